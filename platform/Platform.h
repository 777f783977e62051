// The ports through which the portable code reaches Windows, gathered in one bundle.
#pragma once

namespace velmora {

class RegistryApi;
class ProfileReader;
class FileSystem;
class Dialogs;
class Shell;
class Browsers;
class Windowing;
class ProductInfo;
class Pictures;
class Forms;
class Clipboard;

// The program fills this with the Windows implementations (platform/win32), tests with
// doubles (tests/support). A port a piece of code does not use may stay null.
struct Platform {
    RegistryApi* registry = nullptr;
    ProfileReader* profile = nullptr;
    FileSystem* files = nullptr;
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    Browsers* browsers = nullptr;
    Windowing* windowing = nullptr;
    ProductInfo* product = nullptr;
    Pictures* pictures = nullptr;
    Forms* forms = nullptr;
    Clipboard* clipboard = nullptr;
};

}  // namespace velmora
