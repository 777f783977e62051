// The theme editor window: one theme file edited as plain text.
#include "editor/frmThemeEditor.h"

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProductInfo.h"
#include "registry/SameText.h"
#include "ui/MakeTopmost.h"

namespace velmora {

namespace {

constexpr int kEscape = 27;
// The new text is written to this name beside the theme file before it takes its place.
const char kSavingSuffix[] = ".saving";

}  // namespace

frmThemeEditor::frmThemeEditor(const Platform& platform, FormHost& host)
    : platform_(platform), host_(host) {
    cmdSave.SetEnabled(false);
}

void frmThemeEditor::Form_Load() {
    SetWindowOnTop(true);
    host_.SetCaption("Velmora Editor - Lite Version");
}

void frmThemeEditor::Form_KeyPress(int keyAscii) {
    if (keyAscii == kEscape) host_.Close();
}

bool frmThemeEditor::Form_QueryUnload() {
    if (!changed_) return true;
    MessageRequest question;
    question.text = "Save changes to this Theme file?";
    question.title = platform_.product ? platform_.product->ProductName() : std::string();
    question.buttons = MsgButtons::YesNoCancel;
    question.icon = MsgIcon::Question;
    question.systemModal = true;
    const MsgAnswer answer =
        platform_.dialogs ? platform_.dialogs->ShowMessage(question) : MsgAnswer::Cancel;
    if (answer == MsgAnswer::Yes) return Save();
    return answer == MsgAnswer::No;
}

void frmThemeEditor::Text1_Change() {
    // The binding showing the loaded text again is no change of the user's.
    if (!changed_ && Text1.Text() == savedText_) return;
    SetChanged(true);
}

void frmThemeEditor::cmdSave_Click() {
    Save();
}

void frmThemeEditor::cmdClose_Click() {
    host_.Close();
}

void frmThemeEditor::SetThemeFile(const std::string& path) {
    themeFile_.clear();
    if (!EndsWithText(path, ".vlr")) return;
    std::optional<std::string> bytes;
    if (platform_.files) bytes = platform_.files->ReadFile(path);
    if (!bytes) {
        Tell("The Theme file could not be opened:\r\n" + path);
        return;
    }
    themeFile_ = path;
    savedText_ = *bytes;
    Text1.SetText(*bytes);
    SetChanged(false);
}

void frmThemeEditor::SetChanged(bool changed) {
    changed_ = changed;
    cmdSave.SetEnabled(changed);
}

void frmThemeEditor::SetWindowOnTop(bool onTop) {
    windowOnTop_ = onTop;
    if (platform_.windowing) velmora::SetWindowOnTop(*platform_.windowing, host_.Handle(), onTop);
}

bool frmThemeEditor::Save() {
    FileOutcome outcome = FileOutcome::Failed("No Theme file is open in the editor.");
    if (!themeFile_.empty() && platform_.files) {
        FileSystem& files = *platform_.files;
        const std::string fresh = themeFile_ + kSavingSuffix;
        const std::string text = Text1.Text();
        outcome = files.WriteFile(fresh, text);
        if (outcome) outcome = files.MoveOver(fresh, themeFile_);
        if (outcome) {
            savedText_ = text;
            SetChanged(false);
            return true;
        }
        files.RemoveFile(fresh);  // whatever part of it was written
    }
    Tell("The Theme file could not be saved:\r\n" + themeFile_ + "\r\n\r\n" + outcome.reason +
         "\r\n\r\nYour changes are still in the editor.");
    return false;
}

void frmThemeEditor::Tell(const std::string& text) const {
    if (!platform_.dialogs) return;
    MessageRequest message;
    message.text = text;
    message.title = platform_.product ? platform_.product->ProductName() : std::string();
    message.icon = MsgIcon::Exclamation;
    message.systemModal = true;
    platform_.dialogs->ShowMessage(message);
}

}  // namespace velmora
