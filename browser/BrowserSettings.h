// Where the browser keeps the settings the program changes (a theme's areas, the reset and
// the repairs): keys and value names, as the browser spells them.
#pragma once

namespace velmora::browser {

// Per-user toolbar pictures (HKEY_CURRENT_USER).
inline constexpr char kToolbarKey[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
// The file explorer's toolbar background; a theme's WESkin goes here.
inline constexpr char kExplorerBackBitmap[] = "BackBitmap";
// The browser's toolbar background; a theme's BackBitmap goes here, not to "BackBitmap".
inline constexpr char kBrowserBackBitmap[] = "BackBitmapIE5";
inline constexpr char kBigBitmap[] = "BigBitmap";          // large still throbber
inline constexpr char kBrandBitmap[] = "BrandBitmap";      // large animated throbber strip
inline constexpr char kSmallBitmap[] = "SmallBitmap";      // small still throbber
inline constexpr char kSmBrandBitmap[] = "SmBrandBitmap";  // small animated throbber strip

// Toolbar layouts, one per kind of window (HKEY_CURRENT_USER, REG_BINARY).
inline constexpr char kWebBrowserToolbarKey[] =
    "Software\\Microsoft\\Internet Explorer\\Toolbar\\WebBrowser";
inline constexpr char kShellBrowserToolbarKey[] =
    "Software\\Microsoft\\Internet Explorer\\Toolbar\\ShellBrowser";
inline constexpr char kExplorerToolbarKey[] =
    "Software\\Microsoft\\Internet Explorer\\Toolbar\\Explorer";
inline constexpr char kLayoutValue[] = "ITBarLayout";
inline constexpr char kTheaterLayoutValue[] = "Theater";  // under kToolbarKey
inline constexpr char kToolbarsLocked[] = "Locked";       // under kToolbarKey, REG_DWORD
// The throbber flag of a layout: bit value 8 of the byte at this offset.
inline constexpr unsigned kThrobberFlagOffset = 16;
inline constexpr unsigned char kThrobberFlag = 0x08;

// Window title, pages and search.
inline constexpr char kMainKey[] = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr char kWindowTitle[] = "Window Title";
inline constexpr char kStartPage[] = "Start Page";
inline constexpr char kLocalPage[] = "Local Page";
inline constexpr char kSearchPage[] = "Search Page";
inline constexpr char kSearchBar[] = "Search Bar";
inline constexpr char kMachineSearchKey[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Search";
inline constexpr char kSearchAssistant[] = "SearchAssistant";
inline constexpr char kCustomizeSearch[] = "CustomizeSearch";
inline constexpr char kSearchUrlKey[] = "Software\\Microsoft\\Internet Explorer\\SearchUrl";
// The machine's own pages, under kMainKey of HKEY_LOCAL_MACHINE.
inline constexpr char kDefaultPageUrl[] = "Default_Page_URL";
inline constexpr char kDefaultSearchUrl[] = "Default_Search_URL";
// The remembered window placement (under kMainKey) and work areas.
inline constexpr char kWindowPlacement[] = "window_placement";
inline constexpr char kOldWorkAreasKey[] =
    "Software\\Microsoft\\Internet Explorer\\Desktop\\oldWorkAreas";
inline constexpr char kOldWorkAreaRects[] = "OldWorkAreaRects";
// The home-page lock: both values 1 lock, 0 unlock (REG_DWORD).
inline constexpr char kControlPanelPolicyKey[] =
    "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
inline constexpr char kHomePageLock[] = "HomePage";
inline constexpr char kGeneralTab[] = "GeneralTab";
// The bars' start pages. Note the letter case: "11d0" in the tips bar's class identifier,
// "11D0" in the discussion bar's; the paths are written exactly so.
inline constexpr char kTipsBarKey[] =
    "SOFTWARE\\CLASSES\\CLSID\\{4D5C8C25-D075-11d0-B416-00C04FB90376}\\Instance\\InitPropertyBag";
inline constexpr char kDiscussionBarKey[] =
    "SOFTWARE\\CLASSES\\CLSID\\{BDEADE7F-C265-11D0-BCED-00A0C90AB50F}\\Instance\\InitPropertyBag";
inline constexpr char kBarUrl[] = "Url";

// User stylesheet and display overrides (HKEY_CURRENT_USER).
inline constexpr char kStylesKey[] = "Software\\Microsoft\\Internet Explorer\\Styles";
inline constexpr char kUserStyleSheet[] = "User StyleSheet";
inline constexpr char kUseMyStylesheet[] = "Use My Stylesheet";
inline constexpr char kSettingsKey[] = "Software\\Microsoft\\Internet Explorer\\Settings";
inline constexpr char kAlwaysUseMyColors[] = "Always Use My Colors";
inline constexpr char kAlwaysUseMyFontFace[] = "Always Use My Font Face";
inline constexpr char kAlwaysUseMyFontSize[] = "Always Use My Font Size";

// Help menu link (HKEY_LOCAL_MACHINE) and Windows Update caption (HKEY_CURRENT_USER).
inline constexpr char kHelpMenuUrlsKey[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Help_Menu_Urls";
inline constexpr char kOnlineSupport[] = "Online_Support";
inline constexpr char kPoliciesKey[] = "Software\\Policies\\Microsoft\\Internet Explorer";
inline constexpr char kWindowsUpdateMenuText[] = "Windows Update Menu Text";

// Event sounds: each event's current sound is the default value of its key.
inline constexpr char kSoundExplorerOpen[] = "AppEvents\\Schemes\\Apps\\Explorer\\Open\\.current";
inline constexpr char kSoundBrowserOpen[] = "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.current";
inline constexpr char kSoundNavigating[] =
    "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current";
inline constexpr char kSoundActivatingDocument[] =
    "AppEvents\\Schemes\\Apps\\Explorer\\ActivatingDocument\\.current";
inline constexpr char kSoundMailBeep[] = "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current";
inline constexpr char kSoundContactOnline[] =
    "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_ContactOnline\\.Current";
inline constexpr char kSoundNewAlert[] =
    "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_NewAlert\\.Current";
inline constexpr char kSoundMessengerMail[] =
    "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_NewMail\\.Current";
inline constexpr char kSoundNewMessage[] =
    "AppEvents\\Schemes\\Apps\\MSNMSGR\\MSNMSGR_NewMessage\\.Current";
// The events the reset gives back to the scheme, current and default.
inline constexpr const char* kResetSoundKeys[] = {
    "AppEvents\\Schemes\\Apps\\Explorer\\ActivatingDocument\\.current",
    "AppEvents\\Schemes\\Apps\\Explorer\\ActivatingDocument\\.default",
    "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.current",
    "AppEvents\\Schemes\\Apps\\Explorer\\Navigating\\.default",
    "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.current",
    "AppEvents\\Schemes\\Apps\\IExplore\\Open\\.default",
};

}  // namespace velmora::browser
