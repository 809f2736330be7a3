// The program list over the common-controls list view, in report view with one check box per row.
// The rows live here and the control only shows them (an owner-data list): filling a list of
// thousands of rows costs no more than storing them, and ticks and texts are read back from here.
// What a list that keeps its own rows does for the user is done here too: ticking by click and Space
// (a whole selection at once), ticks set from outside with LVM_SETITEMSTATE, and typing to find a row.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/program_list.h"
#include "ports/text_case.h"

namespace orv::win32 {

class ListViewProgramList final : public ProgramList {
public:
    // `twipsToPixels` converts at the list's current DPI; `textCase` serves the search by typed
    // letters. The list must have LVS_OWNERDATA.
    ListViewProgramList(HWND list, std::function<int(int)> twipsToPixels, TextCase& textCase);
    ~ListViewProgramList() override;
    ListViewProgramList(const ListViewProgramList&) = delete;
    ListViewProgramList& operator=(const ListViewProgramList&) = delete;

    void addColumn(const std::wstring& header) override;
    void setColumnWidth(int column, int twips) override;
    void clear() override;
    std::size_t add(const std::wstring& text) override;
    void setSubItem(std::size_t row, int subItem, const std::wstring& text) override;
    std::size_t count() override { return rows_.size(); }
    std::wstring text(std::size_t row) override { return at(row).text; }
    std::wstring subItem(std::size_t row, int subItem) override;
    bool checked(std::size_t row) override { return at(row).checked; }
    void setChecked(std::size_t row, bool checked) override;
    void setRedraw(bool enabled) override;

    // Answers the control's questions about its rows (texts, check marks). Nothing when the
    // notification is not about rows.
    std::optional<LRESULT> onNotify(NMHDR& header);

private:
    struct Row {
        std::wstring text;
        std::array<std::wstring, 4> subItems;  // [1] to [3]
        bool checked = false;
        std::string sortKey;  // the name's collation key, ignoring case
    };

    Row& at(std::size_t row);
    [[nodiscard]] std::string sortKeyOf(const std::wstring& text) const;
    void sortRows();
    void showRowCount();
    void repaintRow(std::size_t index);
    void describe(NMLVDISPINFOW& request);
    LRESULT find(const NMLVFINDITEMW& request);
    void toggle(int index);
    void tick(std::size_t index, bool ticked) noexcept;  // `index` counts from 0 and is in range
    void toggleSelection();
    bool toggleAt(POINT point);
    // Takes the tick out of a state change that another program asks of the control; false when the
    // change held nothing else for the control.
    bool takeTicks(int index, LVITEMW& change);
    static LRESULT CALLBACK TickSubclass(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data) noexcept;

    HWND list_;
    std::function<int(int)> twipsToPixels_;
    TextCase& textCase_;
    std::vector<Row> rows_;
    bool suspended_ = false;
    bool unsorted_ = false;
};

}  // namespace orv::win32
