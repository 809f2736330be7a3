// The program list on the main window: columns, rows with three sub-items, a check mark and the
// source of their entry.
// Rows and columns are counted from 1. Every operation the control refuses throws Failure.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "ports/registry.h"

namespace orv {

// The list's columns, in the order the program addresses them: the name, then each row's sub-items 1
// to 3, of which only the name shows after start-up.
enum ProgramListColumn : int {
    kNameColumn = 0,
    kUninstallCommandItem = 1,  // the entry's command, as read
    kUninstallerFileItem = 2,   // the file the command names, or the Windows Installer marker
    kKeyNameItem = 3,           // the entry's key
    kColumnCount = 4,
};
struct ColumnLayout {
    const wchar_t* header;
    int widthTwips;  // after start-up
};
inline constexpr std::array<ColumnLayout, kColumnCount> kColumns{
    {{L"Add Or Remove Programs", 7000}, {L"Uninstall", 0}, {L"FileExists", 0}, {L"KeyName", 0}}};

class ProgramList {
public:
    virtual ~ProgramList() = default;

    virtual void addColumn(const std::wstring& header) = 0;
    virtual void setColumnWidth(int column, int twips) = 0;

    virtual void clear() = 0;
    // Adds a row, unticked, for an entry of `source`; answers the position it took (a sorting list may
    // place it anywhere). The list keeps copies of the texts it is given.
    virtual std::size_t add(std::wstring_view text, RegistrySource source) = 0;
    virtual void setSubItem(std::size_t row, int subItem, std::wstring_view text) = 0;

    virtual std::size_t count() = 0;
    virtual std::wstring text(std::size_t row) = 0;
    virtual std::wstring subItem(std::size_t row, int subItem) = 0;
    // Where the row's entry was found.
    virtual RegistrySource source(std::size_t row) = 0;
    virtual bool checked(std::size_t row) = 0;
    virtual void setChecked(std::size_t row, bool checked) = 0;

    // Suspends and restores repainting, so that many changes cost one repaint.
    virtual void setRedraw(bool enabled) = 0;
};

// Keeps the list from repainting for as long as it lives.
class RedrawSuspended {
public:
    // Suspending is only a speed-up: a list that refuses it is used as it is, without a report.
    explicit RedrawSuspended(ProgramList& list) : list_(list) {
        try {
            list_.setRedraw(false);
            suspended_ = true;
        } catch (...) {
            // Deliberately empty: the list goes on redrawing as it adds.
        }
    }
    ~RedrawSuspended() {
        try {
            if (suspended_) list_.setRedraw(true);
        } catch (...) {
            // Deliberately empty: a list that will not redraw again shows what it showed.
        }
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    ProgramList& list_;
    bool suspended_ = false;
};

}  // namespace orv
