// The keys of the theme file, in the order the load reads them.
#include "theme/ThemeFileKeys.h"

namespace velmora {

const std::array<ThemeFileKey, kThemeFileKeyCount>& ThemeFileKeys() {
    // name, read accessor, write accessor, takes "%InstallDir%", stored only when given
    static const std::array<ThemeFileKey, kThemeFileKeyCount> keys = {{
        {"BackBitmap", &clsVelmora::BackBitmap, &clsVelmora::SetBackBitmap, true, false},
        {"WESkin", &clsVelmora::WESkin, &clsVelmora::SetWESkin, true, false},
        {"ThemeTitle", &clsVelmora::ThemeTitle, &clsVelmora::SetThemeTitle, false, false},
        {"Author", &clsVelmora::Author, &clsVelmora::SetAuthor, false, false},
        {"Email", &clsVelmora::Email, &clsVelmora::SetEmail, false, false},
        {"Copyright", &clsVelmora::Copyright, &clsVelmora::SetCopyright, false, false},
        {"WebSite", &clsVelmora::WebSite, &clsVelmora::SetWebSite, false, false},
        {"Description", &clsVelmora::Description, &clsVelmora::SetDescription, false, false},
        {"AniLarge", &clsVelmora::AniLarge, &clsVelmora::SetAniLarge, true, false},
        {"BrandLarge", &clsVelmora::BrandLarge, &clsVelmora::SetBrandLarge, true, false},
        {"AniSmall", &clsVelmora::AniSmall, &clsVelmora::SetAniSmall, true, false},
        {"BrandSmall", &clsVelmora::BrandSmall, &clsVelmora::SetBrandSmall, true, false},
        {"Title", &clsVelmora::Title, &clsVelmora::SetTitle, false, false},
        {"HomePage", &clsVelmora::HomePage, &clsVelmora::SetHomePage, true, false},
        {"LocalPage", &clsVelmora::Localpage, &clsVelmora::SetLocalpage, true, false},
        {"SearchBar", &clsVelmora::SearchBar, &clsVelmora::SetSearchBar, true, false},
        {"SearchPage", &clsVelmora::SearchPage, &clsVelmora::SetSearchPage, true, false},
        {"SearchURL", &clsVelmora::SearchURL, &clsVelmora::SetSearchURL, true, false},
        {"SearchAssistant", &clsVelmora::SearchAssistant, &clsVelmora::SetSearchAssistant, true,
         false},
        {"CustomizeSearch", &clsVelmora::CustomizeSearch, &clsVelmora::SetCustomizeSearch, true,
         false},
        {"DiscussionPage", &clsVelmora::DiscussionPage, &clsVelmora::SetDiscussionPage, true,
         false},
        {"TipsPage", &clsVelmora::TipsPage, &clsVelmora::SetTipsPage, true, false},
        {"WebThumper", &clsVelmora::WebThumper, &clsVelmora::SetWebThumper, false, false},
        {"ExplorerThumper", &clsVelmora::ExplorerThumper, &clsVelmora::SetExplorerThumper, false,
         false},
        {"ShellThumper", &clsVelmora::ShellThumper, &clsVelmora::SetShellThumper, false, false},
        {"TheaterThumper", &clsVelmora::TheaterThumper, &clsVelmora::SetTheaterThumper, false,
         false},
        {"OpenIExplore", &clsVelmora::OpenIExplore, &clsVelmora::SetOpenIExplore, true, false},
        {"OpenExplorer", &clsVelmora::OpenExplorer, &clsVelmora::SetOpenExplorer, true, false},
        {"Activate", &clsVelmora::Activate, &clsVelmora::SetActivate, true, false},
        {"New_Mail", &clsVelmora::NewMail, &clsVelmora::SetNewMail, true, false},
        {"Navigate", &clsVelmora::Navigate, &clsVelmora::SetNavigate, true, false},
        {"NewAlert", &clsVelmora::NewAlert, &clsVelmora::SetNewAlert, true, false},
        {"ContactOnline", &clsVelmora::ContactOnline, &clsVelmora::SetContactOnline, true, false},
        {"MSMessenger", &clsVelmora::MSMessenger, &clsVelmora::SetMSMessenger, true, false},
        {"NewMessage", &clsVelmora::NewMessage, &clsVelmora::SetNewMessage, true, false},
        {"MSMBuzzSound", &clsVelmora::MSMBuzzSound, &clsVelmora::SetMSMBuzzSound, true, false},
        {"MSMNewSMS", &clsVelmora::MSMNewSMS, &clsVelmora::SetMSMNewSMS, true, false},
        {"StyleType", &clsVelmora::StyleType, &clsVelmora::SetStyleType, false, false},
        {"StyleFile", &clsVelmora::StyleFile, &clsVelmora::SetStyleFile, true, false},
        {"StyleBkground", &clsVelmora::StyleBkground, &clsVelmora::SetStyleBkground, true, false},
        {"StyleAdvert", &clsVelmora::StyleAdvert, &clsVelmora::SetStyleAdvert, true, false},
        {"StyleLogo", &clsVelmora::StyleLogo, &clsVelmora::SetStyleLogo, true, false},
        {"StyleThumper", &clsVelmora::StyleThumper, &clsVelmora::SetStyleThumper, true, false},
        {"IgnoreColors", &clsVelmora::IgnoreColors, &clsVelmora::SetIgnoreColors, false, false},
        {"IgnoreFontStyles", &clsVelmora::IgnoreFontStyles, &clsVelmora::SetIgnoreFontStyles, false,
         false},
        {"IgnoreFontSizes", &clsVelmora::IgnoreFontSizes, &clsVelmora::SetIgnoreFontSizes, false,
         false},
        {"OnlineHelpURL", &clsVelmora::OnlineHelpURL, &clsVelmora::SetOnlineHelpURL, true, true},
        {"WUCaption", &clsVelmora::WUCaption, &clsVelmora::SetWUCaption, false, true},
    }};
    return keys;
}

}  // namespace velmora
