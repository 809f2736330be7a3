#include "app/launch_command.h"

#include <string_view>

#include "app/command_line.h"
#include "app/windows_installer.h"
#include "inventory/uninstall_entry.h"
#include "ports/failure.h"
#include "services/ascii_case.h"
#include "services/report_text.h"

namespace orv {
namespace {

// How much of a command a report quotes.
constexpr std::size_t kQuotedCommandLength = 300;

// The variables that a 32-bit program on 64-bit Windows finds with the values of their "(x86)" twins.
constexpr std::wstring_view k32BitTwins[] = {L"ProgramFiles", L"CommonProgramFiles"};

// The command as the report quotes it: its first characters, shown as they are.
std::wstring Quoted(const std::wstring& command) {
    if (command.size() <= kQuotedCommandLength) return L"\"" + ForReport(command) + L"\"";
    // A command longer than any that starts is not held whole, so its length is not known.
    const std::wstring length = command.size() > kLongestCommandLine ? L"more than " + std::to_wstring(kLongestCommandLine)
                                                                     : std::to_wstring(command.size());
    return L"\"" + ForReport(std::wstring_view(command).substr(0, kQuotedCommandLength)) + L"...\" (" + length +
           L" characters)";
}

[[noreturn]] void Refuse(const std::wstring& commandText, const std::wstring& reason) {
    throw Failure(L"Could not start " + Quoted(commandText) + L": " + reason);
}

void RefuseIfTooLong(const std::wstring& commandText, const std::wstring& text) {
    if (text.size() > kLongestCommandLine) {
        Refuse(commandText, L"it is longer than " + std::to_wstring(kLongestCommandLine) +
                                L" characters, the most that Windows starts");
    }
}

}  // namespace

void CommandLauncher::launch(const std::wstring& commandText, RegistrySource source, const std::wstring& keyName) {
    RefuseIfTooLong(commandText, commandText);
    const InstallersView* view = nullptr;
    try {
        view = &viewOf(source);
    } catch (const Failure& unknown) {
        Refuse(commandText, unknown.description());
    }
    // The entry's value is read only for a command of that shape, so that other entries cost nothing.
    const auto removal = RemovalInsteadOfMaintenance(commandText, keyName);
    const bool remove = removal && ManagedByWindowsInstaller(registry_, source, keyName);
    const std::wstring text = expanded(remove ? *removal : commandText, *view);
    RefuseIfTooLong(commandText, text);
    const auto resolved = ResolveCommand(CommandText(text), view->search);
    if (const auto* refusal = std::get_if<std::wstring>(&resolved)) Refuse(commandText, *refusal);
    const auto& split = std::get<SplitCommandLine>(resolved);
    const std::wstring folder = FolderOf(split.program);
    if (source == RegistrySource::CurrentUser && runsElevated(commandText)) {
        // Any program of the user can write these entries: they never get the rights that the user gave us.
        try {
            shell_.openAsDesktopUser(split.program, split.arguments, folder);
        } catch (const Failure& refusal) {
            Refuse(commandText, L"this program runs as administrator, and a program installed for you alone must not get "
                                L"those rights; the desktop could not start it with yours: " + refusal.description());
        }
        return;
    }
    try {
        shell_.open(split.program, split.arguments, folder);
    } catch (const Failure& refusal) {
        Refuse(commandText, refusal.description());
    }
}

bool CommandLauncher::runsElevated(const std::wstring& commandText) {
    if (!elevated_) {
        try {
            elevated_ = shell_.runsElevated();
        } catch (const Failure& unknown) {
            Refuse(commandText, unknown.description());
        }
    }
    return *elevated_;
}

CommandLauncher::InstallersView& CommandLauncher::viewOf(RegistrySource source) {
    if (const auto known = views_.find(source); known != views_.end()) return known->second;
    InstallersView view;
    view.environment =
        shell_.environment(source == RegistrySource::CurrentUser ? EnvironmentScope::User : EnvironmentScope::Machine);
    const std::wstring systemFolder = shell_.systemFolder();
    const std::wstring windowsFolder = shell_.windowsFolder();
    if (source == RegistrySource::Machine32) {
        if (std::wstring wow64Folder = shell_.wow64SystemFolder(); !wow64Folder.empty()) {
            view.sees32Bit = true;
            view.search.redirection = Wow64Redirection{systemFolder, std::move(wow64Folder), windowsFolder};
        }
    }
    view.search.isFile = [this](const std::wstring& path) { return files_.kindOf(path) == PathKind::File; };
    view.search.folders =
        ProgramSearchFolders(systemFolder, windowsFolder, view.environment->value(L"PATH").value_or(L""));
    return views_.emplace(source, std::move(view)).first->second;
}

std::wstring CommandLauncher::expanded(const std::wstring& commandText, const InstallersView& view) const {
    return ExpandReferences(commandText, [&view](const std::wstring& name) {
        if (view.sees32Bit) {
            for (const auto twin : k32BitTwins) {
                if (!EqualIgnoringAsciiCase(name, twin)) continue;
                if (auto value = view.environment->value(name + L"(x86)")) return value;
            }
        }
        return view.environment->value(name);
    });
}

}  // namespace orv
