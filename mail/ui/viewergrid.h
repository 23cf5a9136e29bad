#pragma once

class QAbstractItemModel;
class QTableView;

namespace mail::ui {

// The viewers' grids: whole rows selected, nothing editable.
void setUpViewerGrid(QTableView *grid, QAbstractItemModel *model);

} // namespace mail::ui
