// Report-style list view wrapper; rows and columns are 0-based.
#pragma once
#include <string>
#include <vector>

#include "Control.h"
#include "ControlKind.h"

namespace ui {

class ListView : public Control {
 public:
  using Control::Control;
  int ColumnCount() const;
  std::string ColumnTitle(int column) const;
  int ColumnWidth(int column) const;

  int RowCount() const;
  // Appends a row with the given cell texts; returns its index.
  int AddRow(const std::vector<std::string>& cells) const;
  void SetCell(int row, int column, const std::string& text) const;
  std::string Cell(int row, int column) const;
  void DeleteRow(int row) const;
  void Clear() const;
  bool RowChecked(int row) const;
  void SetRowChecked(int row, bool on) const;
  int SelectedRow() const;  // -1 when none
};

}  // namespace ui
