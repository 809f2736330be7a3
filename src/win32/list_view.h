// The program list over the common-controls list view, in report view with one check box per row.
// The rows live in our own store and the control only shows them (an owner-data list): filling a list
// of thousands of rows costs no more than storing them. This view answers the control's questions
// about the rows (their texts and ticks, and where typed letters lead); the check boxes and the header
// have their own helpers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "controls/colour_scheme.h"
#include "controls/program_rows.h"
#include "controls/rebuilt_rows.h"
#include "ports/collation.h"
#include "ports/program_list.h"
#include "ports/text_case.h"
#include "win32/column_divider.h"
#include "win32/header_painter.h"
#include "win32/list_check_boxes.h"
#include "win32/list_clipboard.h"

namespace orv::win32 {

// The program list counts its rows and columns from 1, the control from 0: the two meet only here.
constexpr std::size_t RowAt(std::size_t index) { return index + 1; }
constexpr std::size_t IndexOf(std::size_t row) { return row - 1; }

class ListViewProgramList final : public ProgramList, private CheckedRows {
public:
    // `twipsToPixels` converts at the list's current DPI; `textCase` serves the search by typed
    // letters and `collation` the order of the rows. The list must have LVS_OWNERDATA.
    ListViewProgramList(HWND list, std::function<int(int)> twipsToPixels, TextCase& textCase, Collation& collation);
    ~ListViewProgramList() override = default;
    ListViewProgramList(const ListViewProgramList&) = delete;
    ListViewProgramList& operator=(const ListViewProgramList&) = delete;

    void addColumn(const std::wstring& header) override;
    void setColumnWidth(int column, int twips) override;
    void clear() override;
    std::size_t add(std::wstring_view text, RegistrySource source) override;
    void setSubItem(std::size_t row, int subItem, std::wstring_view text) override;
    std::size_t count() override { return rows().count(); }
    std::wstring text(std::size_t row) override { return std::wstring(rows().text(row)); }
    std::wstring subItem(std::size_t row, int subItem) override { return std::wstring(rows().subItem(row, subItem)); }
    RegistrySource source(std::size_t row) override { return rows().source(row); }
    bool checked(std::size_t row) override { return rows().checked(row); }
    void setChecked(std::size_t row, bool checked) override;
    void setRedraw(bool enabled) override;

    void setColours(const ListColours& colours, std::optional<HeaderColours> header);
    // Answers the control's questions about its rows. Nothing when the notification is not about rows.
    std::optional<LRESULT> onNotify(NMHDR& header);

private:
    // CheckedRows, by the control's index
    [[nodiscard]] std::size_t rowCount() const override { return rows().count(); }
    [[nodiscard]] bool isChecked(std::size_t index) const override { return rows().checked(RowAt(index)); }
    void check(std::size_t index, bool checked) override { setChecked(RowAt(index), checked); }
    void checkAll(bool checked) override;

    ProgramRows& rows() { return rebuild_.rows(); }
    [[nodiscard]] const ProgramRows& rows() const { return rebuild_.rows(); }
    void showRowCount();
    void showChanges();
    void repaintRow(std::size_t row);
    // Fills in the text and check box of a row that the control is about to show (LVN_GETDISPINFO).
    void answerDisplayInfo(NMLVDISPINFOW& request) const;
    LRESULT find(const NMLVFINDITEMW& request);
    // Draws a skin's selection while the list has no focus (NM_CUSTOMDRAW).
    LRESULT paintRow(NMLVCUSTOMDRAW& draw) const;
    // A row as the clipboard takes it: its name, a tab, and its uninstall command as read.
    [[nodiscard]] std::wstring rowAsText(std::size_t index) const;

    HWND list_;
    std::function<int(int)> twipsToPixels_;
    TextCase& textCase_;
    RebuiltRows rebuild_;
    bool suspended_ = false;
    ListColours colours_;
    bool darkTheme_ = false;
    ListCheckBoxes checkBoxes_{list_, *this};
    HeaderPainter headerPainter_{list_};
    FirstColumnDivider divider_{list_};
    ListClipboard clipboard_{list_, [this](std::size_t index) { return rowAsText(index); }};
};

}  // namespace orv::win32
