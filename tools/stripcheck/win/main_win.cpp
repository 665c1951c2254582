// stripcheck.exe: reads every monitor's picture as the device would and says
// what it finds. A console program beside the viewer.
#include <windows.h>

#include "stripcheck/output.h"
#include "stripcheck/run.h"
#include "win/win_facts.h"

namespace {

// Before anything can load a library: system DLLs from System32 only, never
// from the folder the program was started in.
void LoadLibrariesFromSystemOnly() {
  using SetDirsFn = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirsFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// Writes to a standard handle as it is, a console or a file or a pipe, with
// the line ends of the system.
class HandleOutput : public stripcheck::Output {
 public:
  explicit HandleOutput(DWORD which) : handle_(GetStdHandle(which)) {}
  void Write(const std::string& text) override {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (char c : text) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    // A console may take a long text in pieces.
    for (std::size_t done = 0; done < crlf.size();) {
      DWORD n = 0;
      if (!WriteFile(handle_, crlf.data() + done, DWORD(crlf.size() - done), &n, nullptr) || n == 0)
        return;
      done += n;
    }
  }

 private:
  HANDLE handle_;
};

}  // namespace

int main(int argc, char** argv) {
  LoadLibrariesFromSystemOnly();
  const auto look = [](stripcheck::Desk& desk, std::string& error) {
    return stripcheck::LookAtDesk(desk, error);
  };
  // Ctrl+C ends the watch through the console's default handler.
  const auto pause = [] {
    Sleep(1000);
    return true;
  };
  HandleOutput out(STD_OUTPUT_HANDLE), err(STD_ERROR_HANDLE);
  return stripcheck::Run(std::vector<std::string>(argv + 1, argv + argc), out, err, look, pause);
}
