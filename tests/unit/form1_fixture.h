// A Form1 wired to fakes of every port, for the tests of the main window's procedures.
#pragma once

#include <gtest/gtest.h>

#include "app/form1.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_program_list.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_text_case.h"
#include "fakes/recording_reporter.h"

namespace orv::testing {

class Form1Test : public ::testing::Test {
protected:
    std::vector<std::wstring> rowNames() const {
        std::vector<std::wstring> names;
        for (const auto& row : list.rows) names.push_back(row.text);
        return names;
    }
    std::vector<int> reportedLines() const { return reporter.lines(); }

    Journal journal;
    FaultPlan faults;
    FakeRegistry registry;
    FakeProgramList list;
    FakeTextCase textCase;
    RecordingReporter reporter;
    FakeMainWindow window{journal, faults};
    FakeDialogs dialogs{journal, faults};
    FakeShell shell{journal, faults};
    FakeFiles files{journal, faults};
    FakeRandomSource random{faults};
    Form1 form{Form1Ports{window, list, registry, textCase, dialogs, shell, files, random, reporter}};

    const std::wstring skinPath = L"C:\\Program Files\\Orvendale\\x\\o.cjs";
    const std::wstring cursorPath = L"C:\\Program Files\\Orvendale\\HAND-M.CUR";
};

}  // namespace orv::testing
