// The program list in memory, in insertion order (no sorting), with injectable failures.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "fault_plan.h"
#include "ports/program_list.h"

namespace orv::testing {

struct FakeRow {
    std::wstring text;
    std::array<std::wstring, 4> subItems;  // [1] to [3] are used
    bool checked = false;
    RegistrySource source = RegistrySource::Machine64;
};

struct FakeColumn {
    std::wstring header;
    int widthTwips = -1;  // -1: never set
};

class FakeProgramList final : public ProgramList {
public:
    void addColumn(const std::wstring& header) override {
        faults.check("list.addColumn");
        columns.push_back({header, -1});
    }
    void setColumnWidth(int column, int twips) override {
        faults.check("list.setColumnWidth");
        if (column < 1 || column > static_cast<int>(columns.size())) throw Failure(L"Index out of bounds");
        columns[column - 1].widthTwips = twips;
    }
    void clear() override {
        faults.check("list.clear");
        rows.clear();
        changed();
    }
    std::size_t add(std::wstring_view text, RegistrySource source) override {
        faults.check("list.add");
        rows.push_back({std::wstring(text), {}, false, source});
        changed();
        return rows.size();
    }
    void setSubItem(std::size_t row, int subItem, std::wstring_view text) override {
        faults.check("list.setSubItem");
        if (subItem < 1 || subItem > 3) throw Failure(L"Invalid property value");
        at(row).subItems[subItem] = text;
        changed();
    }
    std::size_t count() override {
        faults.check("list.count");
        return rows.size();
    }
    std::wstring text(std::size_t row) override {
        faults.check("list.text");
        return at(row).text;
    }
    std::wstring subItem(std::size_t row, int subItem) override {
        faults.check("list.subItem");
        if (subItem < 1 || subItem > 3) throw Failure(L"Invalid property value");
        return at(row).subItems[subItem];
    }
    RegistrySource source(std::size_t row) override {
        faults.check("list.source");
        return at(row).source;
    }
    bool checked(std::size_t row) override {
        faults.check("list.checked");
        return at(row).checked;
    }
    void setChecked(std::size_t row, bool value) override {
        faults.check("list.setChecked");
        at(row).checked = value;
        changed();
    }
    void setRedraw(bool enabled) override {
        faults.check("list.setRedraw");
        const bool resumes = enabled && !redrawing_;
        redrawing_ = enabled;
        if (resumes) ++repaints;
    }

    // Seeds rows directly, as if a refresh had made them.
    void seed(const std::wstring& text, bool isChecked = false, const std::wstring& command = L"",
              RegistrySource source = RegistrySource::Machine64) {
        FakeRow row{text, {}, isChecked, source};
        row.subItems[1] = command;
        rows.push_back(row);
    }

    std::vector<FakeRow> rows;
    std::vector<FakeColumn> columns;
    int repaints = 0;  // how often the list repainted: at each change while it repaints, and when it resumes
    FaultPlan faults;

private:
    bool redrawing_ = true;

    void changed() {
        if (redrawing_) ++repaints;
    }
    FakeRow& at(std::size_t row) {
        if (row < 1 || row > rows.size()) throw Failure(L"Index out of bounds");
        return rows[row - 1];
    }
};

}  // namespace orv::testing
