#include "mainwindow/OfflineFolders.h"
#include "platform/DirectoryLister.h"
#include "support/SearchFixture.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <functional>

using namespace kv;
using test::TempTree;

namespace {

class FindMediaFolders : public test::SearchFixture {
protected:
    QString avid(const QString& rel = {}) { return vol.root() + "Avid MediaFiles/" + rel; }
    QString offlineOf(const QString& mediaFolder) {
        return vol.root() + "Kelvara Offline/" + mediaFolder.mid(vol.root().size());
    }
};

// Calls a hook before each listing, then lists as the system does.
class HookedLister : public platform::DirectoryLister {
public:
    explicit HookedLister(std::function<int(const QString&)> before) : before(std::move(before)) {
        platform::setDirectoryLister(this);
    }
    ~HookedLister() override { platform::setDirectoryLister(nullptr); }
    bool list(const QString& folder, bool sizes, std::vector<platform::DirEntry>& entries,
              int* error) override {
        if (const int e = before(folder)) {
            entries.clear();
            if (error)
                *error = e;
            return false;
        }
        return platform::systemDirectoryLister().list(folder, sizes, entries, error);
    }

private:
    std::function<int(const QString&)> before;
};

TEST_F(FindMediaFolders, AddsEachFolderWithAVisibleFileOnceAndSkipsCreatingAndQuarantine) {
    vol.file("OMFI MediaFiles/1/a.omf");
    vol.file("Avid MediaFiles/top.mxf"); // the tree's top folder holds media itself
    vol.file("Avid MediaFiles/MXF/1/A.mxf");
    vol.file("Avid MediaFiles/MXF/1/B.mxf");
    vol.file("Avid MediaFiles/MXF/1/Creating/c.mxf");
    vol.file("Avid MediaFiles/MXF/quarantined files/q.mxf"); // case is ignored
    vol.file("Avid MediaFiles/MXF/hidden/.DS_Store");        // hidden files do not count...
    vol.file("Avid MediaFiles/MXF/hidden/sub/s.mxf");        // ...but its sub-folders are walked
    vol.file("Avid MediaFiles/MXF/2/x/e.mxf");
    vol.file("Avid MediaFiles/MXF/2/d.mxf");
    vol.file("Avid MediaFiles/MXF/2/msmMMOB.mdb");
    vol.file("Avid MediaFiles/MXF/links/only.mxf");
    vol.folder("Avid MediaFiles/MXF/empty");
    vol.file("Other/elsewhere.mxf");

    search({volumeRow("V", vol.root())});

    const QStringList folders = column(0);
    ASSERT_FALSE(folders.isEmpty());
    EXPECT_EQ(folders.first(), vol.root() + "OMFI MediaFiles/1/") << "the OMF tree comes first";
    const QStringList expected = {vol.root() + "OMFI MediaFiles/1/",
                                  avid(),
                                  avid("MXF/1/"),
                                  avid("MXF/hidden/sub/"),
                                  avid("MXF/2/x/"),
                                  avid("MXF/2/"),
                                  avid("MXF/links/")};
    EXPECT_EQ(QSet<QString>(folders.begin(), folders.end()),
              QSet<QString>(expected.begin(), expected.end()));
    EXPECT_EQ(folders.size(), expected.size()) << "each folder once";

    for (const ListRow& row : found().rows()) {
        const QString media = row.cell(0), offline = row.cell(1);
        EXPECT_EQ(offline, offlineOf(media));
        EXPECT_TRUE(TempTree::isFolder(offline)) << offline.toStdString();
        EXPECT_EQ(model.OnlineToOffline->value(media), offline);
        EXPECT_EQ(model.OfflineToOnline->value(offline), media);
        EXPECT_TRUE(row.checked) << "every row is selected when the search ends normally";
    }
    EXPECT_EQ(model.OnlineToOffline->size(), expected.size());
    EXPECT_TRUE(model.dirtyOnline.load());
    EXPECT_TRUE(model.dirtyOffline.load());
    EXPECT_TRUE(runner.runs().isEmpty()) << "a writable volume needs no privileged tool";
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(console, QStringList{"Finished"});
}

TEST_F(FindMediaFolders, ReportsProgressOverTheSelectedVolumesOnly) {
    TempTree v2, v3;
    const struct {
        bool second;
        QList<int> percents;
        QStringList texts;
    } cases[] = {
        {false, {0}, {"V3"}},
        {true, {0, 50}, {"V2", "V3"}},
    };
    for (const auto& c : cases) {
        percents.clear();
        progressTexts.clear();
        search({volumeRow("V1", vol.root(), false), volumeRow("V2", v2.root(), c.second),
                volumeRow("V3", v3.root())});
        percents.removeAll(100); // the end of the job
        while (!percents.isEmpty() && percents.last() == 0 && percents.size() > c.percents.size())
            percents.removeLast(); // the bar emptied after the end
        EXPECT_EQ(percents, c.percents);
        EXPECT_EQ(progressTexts, c.texts);
    }
}

TEST_F(FindMediaFolders, AnOfflineRootThatCannotBeMadeEndsTheSearchWithAnEmptyOfflineColumn) {
    test::FakeToolRunner refusing(test::FakeToolRunner::Refuse, platform::kAuthorizationCanceled);
    vol.file("Kelvara Offline"); // a file where the folder must go
    vol.file("Avid MediaFiles/MXF/1/A.mxf");
    vol.file("Avid MediaFiles/MXF/2/B.mxf");

    search({volumeRow("V", vol.root())});

    ASSERT_EQ(found().count(), 1) << "the search stops at the first media folder";
    EXPECT_TRUE(found().row(0).cell(1).isEmpty());
    EXPECT_FALSE(found().row(0).checked);
    EXPECT_TRUE(model.OnlineToOffline->isEmpty());
    EXPECT_TRUE(model.OfflineToOnline->isEmpty());
    const QString koRoot = vol.root() + "Kelvara Offline/";
    EXPECT_EQ(refusing.runs(), (QList<QStringList>{{"/bin/mkdir", "-p", "-m", "755", koRoot}}));
    EXPECT_EQ(console, (QStringList{"Error (-60006) creating: \"" + koRoot + "\"", "Finished"}));
    EXPECT_TRUE(messages.isEmpty()) << "the stop is quiet";
}

TEST_F(FindMediaFolders, CancellingKeepsTheFoldersFoundSoFarUnselected) {
    for (const char* f : {"1/A.mxf", "1/s/a.mxf", "2/B.mxf", "2/s/b.mxf", "3/C.mxf", "3/s/c.mxf"})
        vol.file(QStringLiteral("Avid MediaFiles/MXF/") + f);
    HookedLister lister([&](const QString&) {
        // The job's own maps: the first media folder has been added.
        if (model.OnlineToOffline && !model.OnlineToOffline->isEmpty())
            model.progress.cancel();
        return 0;
    });
    search({volumeRow("V", vol.root())});
    EXPECT_GE(found().count(), 1);
    EXPECT_LT(found().count(), 6);
    EXPECT_FALSE(found().anyChecked());
    EXPECT_TRUE(console.contains("Cancelled."));
    EXPECT_FALSE(console.contains("Finished"));
}

TEST_F(FindMediaFolders, RunningAgainReplacesRowsAddedByHandAndTheOldMaps) {
    vol.file("Avid MediaFiles/MXF/1/A.mxf");
    model.list(ListId::MediaFolders)
        .appendRow(ListRow{{"/Media/Clips/", "/Media/Clips/Clips (KV Offline)/"}, {}, false});
    registerMediaFolder(model, "/Media/Clips/", "/Media/Clips/Clips (KV Offline)/");
    const auto oldMap = model.OnlineToOffline;
    search({volumeRow("V", vol.root())});
    EXPECT_EQ(column(0), QStringList{avid("MXF/1/")});
    EXPECT_NE(model.OnlineToOffline, oldMap);
    EXPECT_FALSE(model.OnlineToOffline->contains("/Media/Clips/"));
    EXPECT_FALSE(model.OfflineToOnline->contains("/Media/Clips/Clips (KV Offline)/"));
}

// --- Bad input and faults -----------------------------------------------------------------

TEST_F(FindMediaFolders, NamesWithNewlinesOrBytesThatAreNotUtf8AreKeptExactly) {
    const QString newline = "Avid MediaFiles/MXF/two\nlines/";
    const QString notUtf8 =
        "Avid MediaFiles/MXF/" + platform::fromNative(QByteArray("caf\xe9 \xff")) + "/";
    vol.file(newline + "A.mxf");
    vol.file(notUtf8 + "B.mxf");
    search({volumeRow("V", vol.root())});
    const QStringList folders = column(0);
    EXPECT_EQ(QSet<QString>(folders.begin(), folders.end()),
              (QSet<QString>{vol.path(newline), vol.path(notUtf8)}));
    for (const ListRow& row : found().rows()) {
        EXPECT_EQ(row.cell(1), offlineOf(row.cell(0)));
        EXPECT_TRUE(TempTree::isFolder(row.cell(1))) << "made under the very same bytes";
    }
    EXPECT_TRUE(TempTree::isFolder(vol.path("Kelvara Offline/Avid MediaFiles/MXF/") +
                                   platform::fromNative(QByteArray("caf\xe9 \xff"))));
}

TEST_F(FindMediaFolders, SymbolicLinksAreNeverFollowed) {
    TempTree other;
    vol.file("Avid MediaFiles/MXF/1/A.mxf");
    vol.symlink("Avid MediaFiles/MXF/1/loop", vol.path("Avid MediaFiles/MXF")); // a loop
    vol.symlink("Avid MediaFiles/MXF/1/self", vol.path("Avid MediaFiles/MXF/1/self"));
    vol.folder("Avid MediaFiles/MXF/links");
    vol.symlink("Avid MediaFiles/MXF/links/A.mxf", vol.path("Avid MediaFiles/MXF/1/A.mxf"));
    // A second volume whose media tree is only a link to the first one's.
    other.symlink("Avid MediaFiles", vol.path("Avid MediaFiles"));

    search({volumeRow("V", vol.root()), volumeRow("W", other.root())});
    EXPECT_EQ(column(0), QStringList{avid("MXF/1/")})
        << "a folder holding only links is no media folder, and no link is walked";
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(TempTree::exists(other.path("Kelvara Offline")));
}

TEST_F(FindMediaFolders, AVolumeThatVanishesOrCannotBeReadMidSearch) {
    const struct {
        const char* what;
        int error;          // what the listing of the second media folder meets
        bool removeVolume;  // the volume really goes away instead
        bool expectMessage; // the search stops on an error
    } cases[] = {
        {"the volume is unmounted under the search", 0, true, false},
        {"a folder is gone by the time it is listed", ENOENT, false, false},
        {"the disk fails to read", EIO, false, true},
        {"a folder cannot be read", EACCES, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempTree v;
        v.file("Avid MediaFiles/MXF/1/A.mxf");
        v.file("Avid MediaFiles/MXF/2/B.mxf");
        v.file("Avid MediaFiles/MXF/3/C.mxf");
        int listings = 0;
        HookedLister lister([&](const QString& folder) {
            // The second of the three media folders, whichever the system lists second.
            if (!folder.contains(QRegularExpression("MXF/[123]/$")) || ++listings != 2)
                return 0;
            if (c.removeVolume) {
                QDir(v.root()).removeRecursively();
                return 0;
            }
            return c.error;
        });
        messages.clear();
        search({volumeRow("V", v.root())});
        EXPECT_EQ(found().count(), c.error == ENOENT ? 2 : 1) << column(0).join(",").toStdString();
        EXPECT_EQ(messages, c.expectMessage
                                ? QStringList{"Error: a problem occurred while scanning "
                                              "for media folders."}
                                : QStringList{});
        EXPECT_EQ(found().anyChecked(), !c.expectMessage && found().count() > 0);
    }
}

TEST_F(FindMediaFolders, PassesOverVolumesThatAreMissingNotFoldersOrNotAbsolute) {
    TempTree t;
    t.file("plain-file");
    t.file("-vol/Avid MediaFiles/MXF/1/A.mxf");
    search({volumeRow("gone", t.path("gone/")), volumeRow("file", t.path("plain-file")),
            volumeRow("relative", "-vol/")});
    EXPECT_EQ(found().count(), 0);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(console, QStringList{"Finished"});
}

} // namespace
