// Report-style list view wrapper; rows and columns are 0-based.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "Control.h"
#include "ControlKind.h"

namespace ui {

class ListView : public KindControl<Kind::ListView> {
 public:
  using KindControl::KindControl;
  int ColumnCount() const;
  std::string ColumnTitle(int column) const;
  int ColumnWidth(int column) const;

  int RowCount() const;
  // Appends a row with the given cell texts; returns its index. The id is
  // kept with the row (its lParam), so that a row can be found again after
  // rows above it were inserted or deleted.
  int AddRow(const std::vector<std::string>& cells, std::intptr_t id = 0) const;
  // Inserts a row before the row at `at`; returns its index.
  int InsertRow(int at, const std::vector<std::string>& cells, std::intptr_t id = 0) const;
  std::intptr_t RowId(int row) const;
  // The index of the row with the id; -1 when it is gone.
  int FindRow(std::intptr_t id) const;
  void SetCell(int row, int column, const std::string& text) const;
  std::string Cell(int row, int column) const;
  void DeleteRow(int row) const;
  void Clear() const;
  bool RowChecked(int row) const;
  void SetRowChecked(int row, bool on) const;
  int SelectedRow() const;  // -1 when none
  // Off: the list does not draw itself while rows change, so that thousands
  // of rows go in within moments; on again, it draws what it holds then.
  void SetRedraw(bool on) const;
};

// The text of an item of a list's column header (GBK).
std::string HeaderItemText(HWND header, int index);

}  // namespace ui
