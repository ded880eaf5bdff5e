#pragma once

class QPrinter;
class QWidget;

namespace kv::TextLayout {

// The page setup kept from the first "Page Setup..." until the application quits; null
// before that. A printed report starts its own page setup from it.
QPrinter* ps();

// Shows the page-setup dialog for ps, creating ps first when there is none.
void PageSetup(QWidget* parent);

} // namespace kv::TextLayout
