#pragma once
// The board view as assistive technology sees it: a table with one cell per card of the format,
// named by the window's description (BoardView::describe), the keyboard cursor's cell focused.

namespace velmora {

// Makes every BoardView a table to assistive technology; once per program, before windows exist.
void InstallBoardAccessibility();

}  // namespace velmora
