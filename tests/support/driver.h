// Drives the real orvendale.exe from another process, as a person would: starts it, finds its
// window and controls, clicks, reads the list (across processes), and reads and answers its boxes.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace orv::e2e {

using namespace std::chrono_literals;

struct ListRow {
    int index = 0;           // the row's position in the whole list
    std::wstring text;
    std::wstring uninstall;  // sub-item 1
    std::wstring uninstallerFile; // sub-item 2
    std::wstring keyName;    // sub-item 3
    bool checked = false;
};

struct ListColumn {
    std::wstring header;
    int widthPixels = 0;
};

struct DialogContent {
    std::wstring title;
    std::wstring text;                  // the static texts, in order, joined by new lines
    std::vector<std::wstring> buttons;  // button captions, in order
    bool hasEdit = false;
};

// The folder that holds the running test executable (the program is built beside it).
std::wstring ExecutableFolder();
// The program as the tests start it: orvendale.exe without its occasional visit to the home page.
inline constexpr wchar_t kProgramUnderTest[] = L"\\orvendale_under_test.exe";

class ProgramUnderTest {
public:
    // Whose rights the program runs with: those that the user's own programs get (user_rights.h), or
    // this test's, which under Wine are an administrator's ("as administrator").
    enum class Rights { Users, Tests };
    // Starts `exePath` (default: orvendale.exe beside the test) in `workingDirectory` (default: the
    // test's own) and waits for its main window or for a box that start-up shows.
    explicit ProgramUnderTest(std::wstring exePath = L"", std::chrono::milliseconds timeout = 30s,
                              const std::wstring& workingDirectory = L"", Rights rights = Rights::Users);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // The main window once it is shown; null before.
    HWND mainWindow() const;
    std::wstring caption() const;
    HWND control(const std::wstring& caption) const;
    HWND list() const;

    // Clicks a button by caption without waiting for what the click does (it may show a box).
    void click(const std::wstring& caption) const;
    // Clicks a button and returns when the program has finished handling the click (which must not
    // wait for a box of the program's own).
    void clickAndWait(const std::wstring& caption, std::chrono::milliseconds timeout = 60s) const;
    // Waits until the program answers a message. Messages sent are served before messages posted, so
    // this does not wait for a posted click: use clickAndWait, or wait for the state that is expected.
    void waitIdle(std::chrono::milliseconds timeout = 30s) const;

    // The rows of the entries that the tests seeded, in list order. Rows are counted (0, 1, ...) among
    // these everywhere below: a Windows machine lists its own programs too, which tests pass over.
    std::vector<ListRow> rows() const;
    // The row of the test's own with that name, or -1.
    int rowNamed(const std::wstring& name) const;
    std::vector<ListColumn> columns() const;
    // Clicks the check box of a row, as a person would; it toggles the tick.
    void clickCheckBox(int rowIndex) const;
    // What another program sees and does through the list's own messages: the focused (-1: none or
    // another) and selected rows, a tick or a selection set with LVM_SETITEMSTATE, letters typed, keys
    // pressed. (Never every row at once: on a Windows machine the list holds its own programs too.)
    int focusedRow() const;
    std::vector<int> selectedRows() const;
    void setRowState(int rowIndex, UINT state, UINT mask) const;
    void typeInList(const std::wstring& letters) const;
    void pressKeyInList(WORD virtualKey) const;
    // Where the list draws the name of the row at a position of the whole list (ListRow::index), in the
    // list's client coordinates.
    RECT rowLabelRect(int position) const;
    // The rectangle of a control in the main window's client coordinates, in pixels.
    RECT controlRect(HWND control) const;

    // The program's visible boxes (#32770 dialogs): message boxes and the input box.
    std::vector<HWND> dialogs() const;
    HWND waitForDialog(std::chrono::milliseconds timeout = 30s) const;
    static DialogContent read(HWND dialog);
    // The one box that start-up showed, read and closed with OK once start-up has gone on to fill the list.
    DialogContent closeStartUpReport() const;
    static void typeInto(HWND dialog, const std::wstring& text);
    static void press(HWND dialog, const std::wstring& buttonCaption);
    static void pressKey(HWND dialog, WORD virtualKey);

    void close() const;
    bool waitForExit(std::chrono::milliseconds timeout = 30s) const;
    bool running() const;
    DWORD processId() const { return processId_; }
    HANDLE process() const { return process_; }

private:
    std::wstring remoteText(HWND list, int row, int subItem) const;
    int positionOf(int row) const;  // in the whole list
    int rowAt(int position) const;  // -1 when the position holds no seeded row

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    mutable HWND main_ = nullptr;
};

// System colours for as long as it lives, then the colours as they were. Windows repaints what runs;
// Wine gives them to programs started while it lives.
class SystemColoursFor {
public:
    SystemColoursFor(std::vector<int> elements, const std::vector<COLORREF>& colours);
    ~SystemColoursFor();
    SystemColoursFor(const SystemColoursFor&) = delete;
    SystemColoursFor& operator=(const SystemColoursFor&) = delete;

private:
    std::vector<int> elements_;
    std::vector<COLORREF> saved_;
};

// What a screen reader hears of the program: each WinEvent of one kind that it raises for a window's
// client object (OBJID_CLIENT), from when this is made until it goes. The events come as messages to
// this thread, so waiting for them pumps its queue. One at a time.
class WinEventsHeard {
public:
    struct Event {
        HWND window;
        LONG child;  // CHILDID_SELF, or a row counted from 1
    };
    WinEventsHeard(const ProgramUnderTest& program, DWORD event);
    ~WinEventsHeard();
    WinEventsHeard(const WinEventsHeard&) = delete;
    WinEventsHeard& operator=(const WinEventsHeard&) = delete;
    // Waits until what has been heard satisfies `condition`; false on timeout.
    bool waitFor(const std::function<bool(const std::vector<Event>&)>& condition, std::chrono::milliseconds timeout = 10s);

private:
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<Event> heard_;
};

// Starts a command line and waits for it to end; false when it does not start or end in time.
bool RunAndWait(const std::wstring& commandLine, std::chrono::milliseconds timeout);

// A visible box (#32770) of any process with this title, or null.
HWND FindBox(const std::wstring& title);

// Waits until `condition` holds, checking every 50 ms; false on timeout.
template <class Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = 30s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(50);
    }
    return true;
}

}  // namespace orv::e2e
