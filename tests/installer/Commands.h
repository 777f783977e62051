// Runs the setup programs, their uninstallers and the shell's commands as a user or the
// program would, and waits for what they leave running.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace velmora::setup {

// Runs a command line and waits for it to end: its exit code, or -1 when it could not start
// or did not end within the time.
int RunAndWait(const std::string& commandLine, DWORD timeoutMs = 120000);

// An NSIS uninstaller copies itself to the temp folder, starts the copy and ends at once;
// this waits until no uninstaller process runs any more. One still running after the time
// (waiting for a click that never comes) is ended, so that it cannot hold up later tests,
// and the answer is false.
bool WaitForUninstallers(DWORD timeoutMs = 30000);

// Polls the condition until it holds or the time is up; its last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000);

// The full path of the program a process runs ("" when it cannot be read).
std::string ProcessImage(DWORD processId);

}  // namespace velmora::setup
