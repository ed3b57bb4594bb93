#pragma once
// What the main window does with the events its controls report.
namespace findaro {

struct Finder;

// A newly selected row (from 1): status bar, preview, its name spoken.
void onRowSelected(Finder& finder, int row);
// The file the preview pane shows: the row's folder and name.
void setPreviewFile(Finder& finder, int row);
// A key pressed in the results list: a letter or digit selects the next row
// below whose name begins with it. True when a row was selected.
bool letterJump(Finder& finder, int virtualKey);
// A key pressed in the results list: Space chooses the row of either menu, any
// other key makes the letter jump. True when the letter jump selected a row.
bool onListKeyDown(Finder& finder, int virtualKey);
// A double click in the list opens the selected file.
void onListDoubleClick(Finder& finder);
// Sorts the results by the column; the menus keep their order.
void onColumnClick(Finder& finder, int column);
// The toolbar's empty strip right of its buttons drags the window.
bool isDragStrip(int x, int y, int lastButtonRight, int toolbarHeight);
void onMouseWheel(Finder& finder, int delta);
// F1: with Ctrl the help page (and magnora); alone, the settings list.
void onHelpKey(Finder& finder);
// The context-menu key (or Shift+F10): in the search box, the settings list.
void onContextMenu(Finder& finder);
// A key going down or up anywhere in the window, before the shortcut table sees
// it. While a search runs only the shortcut keys go on (their commands decide for
// themselves), with Alt+F4 and the modifier keys; any other key is held back, and
// as it goes down the user hears why. True when the key goes on.
bool keyGoesOn(Finder& finder, int virtualKey, bool down, bool alt);

}  // namespace findaro
