// The theme record: the texts, references and switches of one theme, filled from its file.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

// One theme in memory. Texts start empty and switches true; each property has a read and a
// write accessor. Two writes are not plain stores: an empty ThemeTitle becomes "[Untitled]",
// and InstallDir keeps only the folder part of the path it is given. The record holds no
// file or registry handle between calls.
class clsVelmora {
public:
    // Reads theme files through platform.files and platform.profile.
    explicit clsVelmora(const Platform& platform);

    std::string MSMNewSMS() const { return MSMNewSMS_; }
    void SetMSMNewSMS(const std::string& value) { MSMNewSMS_ = value; }
    std::string MSMBuzzSound() const { return MSMBuzzSound_; }
    void SetMSMBuzzSound(const std::string& value) { MSMBuzzSound_ = value; }
    std::string OEFrontPage() const { return OEFrontPage_; }
    void SetOEFrontPage(const std::string& value) { OEFrontPage_ = value; }
    std::string WUCaption() const { return WUCaption_; }
    void SetWUCaption(const std::string& value) { WUCaption_ = value; }
    std::string OnlineHelpURL() const { return OnlineHelpURL_; }
    void SetOnlineHelpURL(const std::string& value) { OnlineHelpURL_ = value; }
    bool Apply_StyleExtension() const { return Apply_StyleExtension_; }
    void SetApply_StyleExtension(bool value) { Apply_StyleExtension_ = value; }
    bool Apply_HomePage() const { return Apply_HomePage_; }
    void SetApply_HomePage(bool value) { Apply_HomePage_ = value; }
    bool Apply_SearchBar() const { return Apply_SearchBar_; }
    void SetApply_SearchBar(bool value) { Apply_SearchBar_ = value; }
    bool Apply_Sounds() const { return Apply_Sounds_; }
    void SetApply_Sounds(bool value) { Apply_Sounds_ = value; }
    bool Apply_ToolbarSkin() const { return Apply_ToolbarSkin_; }
    bool Apply_Throbbers() const { return Apply_Throbbers_; }
    void SetApply_ToolbarSkin(bool value) { Apply_ToolbarSkin_ = value; }
    void SetApply_Throbbers(bool value) { Apply_Throbbers_ = value; }
    bool Apply_TipsPage() const { return Apply_TipsPage_; }
    void SetApply_TipsPage(bool value) { Apply_TipsPage_ = value; }
    bool Apply_InfoPage() const { return Apply_InfoPage_; }
    void SetApply_InfoPage(bool value) { Apply_InfoPage_ = value; }
    std::string Description() const { return Description_; }
    void SetDescription(const std::string& value) { Description_ = value; }
    std::string ThemeTitle() const { return ThemeTitle_; }
    void SetThemeTitle(const std::string& value);
    std::string CustomizeSearch() const { return CustomizeSearch_; }
    void SetCustomizeSearch(const std::string& value) { CustomizeSearch_ = value; }
    std::string SearchAssistant() const { return SearchAssistant_; }
    void SetSearchAssistant(const std::string& value) { SearchAssistant_ = value; }
    std::string InstallDir() const { return InstallDir_; }
    void SetInstallDir(const std::string& value);
    std::string WESkin() const { return WESkin_; }
    void SetWESkin(const std::string& value) { WESkin_ = value; }
    std::string StyleFile() const { return StyleFile_; }
    void SetStyleFile(const std::string& value) { StyleFile_ = value; }
    std::string StyleThumper() const { return StyleThumper_; }
    void SetStyleThumper(const std::string& value) { StyleThumper_ = value; }
    std::string StyleAdvert() const { return StyleAdvert_; }
    void SetStyleAdvert(const std::string& value) { StyleAdvert_ = value; }
    std::string StyleLogo() const { return StyleLogo_; }
    void SetStyleLogo(const std::string& value) { StyleLogo_ = value; }
    std::string WebSite() const { return WebSite_; }
    void SetWebSite(const std::string& value) { WebSite_ = value; }
    std::string Author() const { return Author_; }
    void SetAuthor(const std::string& value) { Author_ = value; }
    std::string IgnoreColors() const { return IgnoreColors_; }
    void SetIgnoreColors(const std::string& value) { IgnoreColors_ = value; }
    std::string IgnoreFontStyles() const { return IgnoreFontStyles_; }
    void SetIgnoreFontStyles(const std::string& value) { IgnoreFontStyles_ = value; }
    std::string IgnoreFontSizes() const { return IgnoreFontSizes_; }
    void SetIgnoreFontSizes(const std::string& value) { IgnoreFontSizes_ = value; }
    std::string Email() const { return Email_; }
    void SetEmail(const std::string& value) { Email_ = value; }
    std::string Copyright() const { return Copyright_; }
    void SetCopyright(const std::string& value) { Copyright_ = value; }
    std::string AniLarge() const { return AniLarge_; }
    void SetAniLarge(const std::string& value) { AniLarge_ = value; }
    std::string BrandLarge() const { return BrandLarge_; }
    void SetBrandLarge(const std::string& value) { BrandLarge_ = value; }
    std::string AniSmall() const { return AniSmall_; }
    void SetAniSmall(const std::string& value) { AniSmall_ = value; }
    std::string BrandSmall() const { return BrandSmall_; }
    void SetBrandSmall(const std::string& value) { BrandSmall_ = value; }
    std::string Title() const { return Title_; }
    void SetTitle(const std::string& value) { Title_ = value; }
    std::string HomePage() const { return HomePage_; }
    std::string Localpage() const { return Localpage_; }
    void SetHomePage(const std::string& value) { HomePage_ = value; }
    void SetLocalpage(const std::string& value) { Localpage_ = value; }
    std::string SearchBar() const { return SearchBar_; }
    void SetSearchBar(const std::string& value) { SearchBar_ = value; }
    std::string SearchPage() const { return SearchPage_; }
    void SetSearchPage(const std::string& value) { SearchPage_ = value; }
    std::string SearchURL() const { return SearchURL_; }
    void SetSearchURL(const std::string& value) { SearchURL_ = value; }
    std::string DiscussionPage() const { return DiscussionPage_; }
    void SetDiscussionPage(const std::string& value) { DiscussionPage_ = value; }
    std::string TipsPage() const { return TipsPage_; }
    void SetTipsPage(const std::string& value) { TipsPage_ = value; }
    std::string WebThumper() const { return WebThumper_; }
    void SetWebThumper(const std::string& value) { WebThumper_ = value; }
    std::string TheaterThumper() const { return TheaterThumper_; }
    void SetTheaterThumper(const std::string& value) { TheaterThumper_ = value; }
    std::string ExplorerThumper() const { return ExplorerThumper_; }
    void SetExplorerThumper(const std::string& value) { ExplorerThumper_ = value; }
    std::string ShellThumper() const { return ShellThumper_; }
    void SetShellThumper(const std::string& value) { ShellThumper_ = value; }
    std::string Style() const { return Style_; }
    void SetStyle(const std::string& value) { Style_ = value; }
    std::string StyleType() const { return StyleType_; }
    void SetStyleType(const std::string& value) { StyleType_ = value; }
    std::string StyleBkground() const { return StyleBkground_; }
    void SetStyleBkground(const std::string& value) { StyleBkground_ = value; }
    std::string OpenExplorer() const { return OpenExplorer_; }
    void SetOpenExplorer(const std::string& value) { OpenExplorer_ = value; }
    std::string OpenIExplore() const { return OpenIExplore_; }
    void SetOpenIExplore(const std::string& value) { OpenIExplore_ = value; }
    std::string Navigate() const { return Navigate_; }
    void SetNavigate(const std::string& value) { Navigate_ = value; }
    std::string Activate() const { return Activate_; }
    void SetActivate(const std::string& value) { Activate_ = value; }
    std::string NewMail() const { return NewMail_; }
    void SetNewMail(const std::string& value) { NewMail_ = value; }
    std::string MSMessenger() const { return MSMessenger_; }
    void SetMSMessenger(const std::string& value) { MSMessenger_ = value; }
    std::string ContactOnline() const { return ContactOnline_; }
    void SetContactOnline(const std::string& value) { ContactOnline_ = value; }
    std::string NewAlert() const { return NewAlert_; }
    void SetNewAlert(const std::string& value) { NewAlert_ = value; }
    std::string NewMessage() const { return NewMessage_; }
    void SetNewMessage(const std::string& value) { NewMessage_ = value; }
    std::string InfoPane() const { return InfoPane_; }
    void SetInfoPane(const std::string& value) { InfoPane_ = value; }
    std::string ShowInfo() const { return ShowInfo_; }
    void SetShowInfo(const std::string& value) { ShowInfo_ = value; }
    std::string OETitle() const { return OETitle_; }
    void SetOETitle(const std::string& value) { OETitle_ = value; }
    std::string ShowSplash() const { return ShowSplash_; }
    void SetShowSplash(const std::string& value) { ShowSplash_ = value; }
    std::string StartMessenger() const { return StartMessenger_; }
    void SetStartMessenger(const std::string& value) { StartMessenger_ = value; }
    std::string HotMail() const { return HotMail_; }
    void SetHotMail(const std::string& value) { HotMail_ = value; }
    std::string BackBitmap() const { return BackBitmap_; }
    void SetBackBitmap(const std::string& value) { BackBitmap_ = value; }

    // Fills the record from the theme file at sFile (a full path). False when there is no
    // normal file there (the record is then unchanged) or the reading failed part-way (the
    // keys read so far keep their new values). Switches and reserved texts are not touched.
    bool LoadVelmora(const std::string& sFile);
    // Reloads the record from sFile, then writes it into the browser's settings, each area
    // as its switch allows, and marks it as the current theme. False, with nothing written,
    // when there is no normal file at sFile or the load fails; true otherwise, even when
    // Windows refused some of the writes.
    bool ApplyTheme(const std::string& sFile);

private:
    Platform platform_;

    bool Apply_Throbbers_ = true;
    bool Apply_ToolbarSkin_ = true;
    bool Apply_HomePage_ = true;
    bool Apply_SearchBar_ = true;
    bool Apply_TipsPage_ = true;
    bool Apply_InfoPage_ = true;
    bool Apply_StyleExtension_ = true;
    bool Apply_Sounds_ = true;
    std::string ThemeTitle_;
    std::string InstallDir_;
    std::string Author_;
    std::string Email_;
    std::string Copyright_;
    std::string WebSite_;
    std::string Description_;
    std::string BackBitmap_;
    std::string WESkin_;
    std::string AniLarge_;
    std::string BrandLarge_;
    std::string AniSmall_;
    std::string BrandSmall_;
    std::string Title_;
    std::string HomePage_;
    std::string Localpage_;
    std::string SearchBar_;
    std::string SearchPage_;
    std::string SearchURL_;
    std::string SearchAssistant_;
    std::string CustomizeSearch_;
    std::string DiscussionPage_;
    std::string TipsPage_;
    std::string WebThumper_;
    std::string TheaterThumper_;
    std::string ExplorerThumper_;
    std::string ShellThumper_;
    std::string Style_;
    std::string StyleType_;
    std::string StyleBkground_;
    std::string StyleLogo_;
    std::string StyleAdvert_;
    std::string StyleThumper_;
    std::string StyleFile_;
    std::string IgnoreColors_;
    std::string IgnoreFontStyles_;
    std::string IgnoreFontSizes_;
    std::string OETitle_;
    std::string OEFrontPage_;
    std::string InfoPane_;
    std::string ShowInfo_;
    std::string ShowSplash_;
    std::string StartMessenger_;
    std::string HotMail_;
    std::string OpenExplorer_;
    std::string OpenIExplore_;
    std::string Navigate_;
    std::string Activate_;
    std::string NewMail_;
    std::string MSMessenger_;
    std::string ContactOnline_;
    std::string NewAlert_;
    std::string NewMessage_;
    std::string MSMBuzzSound_;
    std::string MSMNewSMS_;
    std::string OnlineHelpURL_;
    std::string WUCaption_;
};

}  // namespace velmora
