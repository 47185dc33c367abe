#pragma once

#include "transponder/reader_protocol.h"

#include <QString>
#include <array>

// One page of the transponder as the main window holds it: whether it takes part in read, write
// and lock, its text in the current display format and its HEX default.
struct PageRow
{
    bool selected = false; // shown by the row's selection box
    QString text;          // as the page field shows it (HEX or ASCII)
    QString defaultText;   // HEX; loaded from the settings, never written back
};

// Which pages take part in a run, index 0 is P1.
using PageSelection = std::array<bool, kPageCount>;

// The 17 page rows, in page order (index 0 is P1), and the "all" selection that drives them.
struct PageRows
{
    std::array<PageRow, kPageCount> rows;
    bool allSelected = false; // only drives the rows' selections, no operation reads it

    // The "all" box now holds allSelected: every row takes that selection.
    void ApplyAllSelected();

    // Row index (0..16) now holds its box's selection: unselecting a row clears allSelected,
    // selecting one never sets it (not even the last unselected one). An index
    // outside 0..16 changes nothing.
    void ApplyRowSelected(int index);

    // The rows' selections, in page order.
    PageSelection Selection() const;

    // Every row gets its default text and is selected, as is the "all" box. Colours are left alone.
    void RestoreDefaultTexts();
};
