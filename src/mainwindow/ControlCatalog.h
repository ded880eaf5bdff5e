#pragma once

#include <QRect>
#include <QVector>

namespace kv {

enum Anchor : int { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

enum class ControlKind {
    TabPanel,
    Label,
    PushButton,
    BevelButton,
    ProgressBar,
    Disclosure,
    ListBox,
    Canvas,
};

enum ControlOption : int {
    StartsDisabled = 1,
    StartsHidden = 2,
    RightAligned = 4,
    DarkGrey = 8,
};

// One control of the main window as designed: name, kind, caption, the page of tabMain it
// lies on (-1: on the window itself), its rectangle in window coordinates, its anchors and
// its initial state.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* caption;
    int page;
    QRect rect;
    int anchors;
    int options;
};

// Every control of the main window, in creation order.
const QVector<ControlSpec>& mainWindowControls();

inline constexpr int kDesignedWidth = 836;
inline constexpr int kDesignedHeight = 446;
inline constexpr int kMinimumWidth = 836;
inline constexpr int kMinimumHeight = 300;
inline constexpr int kMaximumSize = 32000;

} // namespace kv
