#pragma once

#include "localization/localizer.h"

class QMenu;
class QWidget;

namespace loc::ui {

// Joins the localizer to the program's windows: every error goes to a
// "Localizer Error" box owned by the main window, a switch translates every
// open window and sends it QEvent::LanguageChange, and a window shown for
// the first time in a language gets that language's window definition.
void attach(TLocalizer &localizer);

// The form a window's texts are stored under: its class name without
// namespace and first letter ("MainFrm" for console::TMainFrm).
QString formName(const char *className);

// Sets window's texts from module's window definitions: first those of the
// classes it derives from, then its own. A text is replaced only while the
// widget still shows a text of that item in some language, so texts the
// program changed at run time stay as they are. Properties the widget does
// not have are ignored. Returns the number of properties set.
int translateWindow(QWidget *window, const TResModule &module, const TLocStorage &store);

// One radio item per language under menu, the current one ticked; a click
// switches to its language (a click on the ticked one does nothing).
void BuildLanguageMenu(TLocalizer &localizer, QMenu *menu, int groupIndex, bool includeNative);

} // namespace loc::ui
