// The program list over the common-controls list view (report view, one check box per row).
#pragma once

#include <windows.h>

#include <functional>

#include "ports/program_list.h"

namespace orv::win32 {

class ListViewProgramList final : public ProgramList {
public:
    // `twipsToPixels` converts at the list's current DPI.
    ListViewProgramList(HWND list, std::function<int(int)> twipsToPixels)
        : list_(list), twipsToPixels_(std::move(twipsToPixels)) {}

    void addColumn(const std::wstring& header) override;
    void setColumnWidth(int column, int twips) override;
    void clear() override;
    std::size_t add(const std::wstring& text) override;
    void setSubItem(std::size_t row, int subItem, const std::wstring& text) override;
    std::size_t count() override;
    std::wstring text(std::size_t row) override;
    std::wstring subItem(std::size_t row, int subItem) override;
    bool checked(std::size_t row) override;
    void setChecked(std::size_t row, bool checked) override;
    void setRedraw(bool enabled) override;

private:
    int indexOf(std::size_t row);
    std::wstring itemText(std::size_t row, int subItem);

    HWND list_;
    std::function<int(int)> twipsToPixels_;
};

}  // namespace orv::win32
