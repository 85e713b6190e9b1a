#include "shell/options/options_form.h"

#include <charconv>
#include <vector>

#include "engine/base/text_utils.h"
#include "engine/files/preference_file.h"
#include "engine/files/preference_keys.h"
#include "engine/ports/help_viewer.h"
#include "engine/session/status_panels.h"
#include "engine/state/game.h"
#include "platform/core/resource_names.h"
#include "platform/qt/application.h"
#include "platform/qt/bitmap.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "platform/qt/resource_bitmaps.h"
#include "shell/dialogs/dialog_pictures.h"
#include "shell/dialogs/hourglass.h"

namespace shell {

namespace {

namespace f = engine::fields;
using Node = platform::TreeView::Node;

constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";
constexpr int kBackDigits = 3;

// The trees' icons: closed folder, open folder, back, colour, picture.
const std::array<std::string, 5> kTreeIcons{"TREE1", "TREE2", "N_TREE3", "N_TREE4", "N_TREE5"};
constexpr int kFolderIcon = 0;
constexpr int kBackIcon = 2;
constexpr int kColourIcon = 3;
constexpr int kPictureIcon = 4;

std::string_view YesNo(bool on) { return on ? kYes : kNo; }

// Colour fields may hold ten digits (system colours read negative).
int Number(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

TfrmCustomize_Freeware::TfrmCustomize_Freeware(const DialogContext& context, QWidget* owner)
    : C_TAdvancedForm(owner), m_context(context) {
    BuildControls();
    FillTree(*trvCardBack, CardBackNodes());
    FillTree(*trvBackGround, BackgroundNodes());
    events.onShow = [this] { FormShow(); };
    events.onClose = [this](platform::CloseAction&) { FormClose(); };
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnAnnulla, &QPushButton::clicked, this, [this] {
        m_noApply = true;
        Close();
    });
    connect(btnAiuto, &QPushButton::clicked, this, [this] {
        if (m_context.game.services.help != nullptr) m_context.game.services.help->ShowHelpContext(kHelpContext);
    });
    trvCardBack->onChange = [this](Node* node) {
        if (platform::TreeView::StateIndex(node) > 0) ShowCardBackSample();
    };
    trvBackGround->onChange = [this](Node*) { trvBackGroundChange(); };
    chkFadeBackground->onClick = [this] { chkFadeBackgroundClick(); };
    connect(TabbedNotebook1, &QTabWidget::currentChanged, this, [this] { SyncBackgroundSamples(); });
    Created();
}

void TfrmCustomize_Freeware::FillTree(platform::TreeView& tree, std::span<const OptionNode> nodes) {
    tree.SetImages(LibraryIcons(m_context.bitmaps, {kTreeIcons.begin(), kTreeIcons.end()},
                                platform::resources::kIconKeyColour));
    std::vector<Node*> parents;
    for (const OptionNode& option : nodes) {
        parents.resize(static_cast<std::size_t>(option.level));
        Node* node = tree.AddChild(parents.empty() ? nullptr : parents.back(), option.text, option.value);
        tree.SetImageIndex(node, option.value == 0        ? kFolderIcon
                                 : &tree == trvCardBack   ? kBackIcon
                                 : IsColourBackground(option.value) ? kColourIcon
                                                                    : kPictureIcon);
        parents.push_back(node);
    }
}

std::optional<int> TfrmCustomize_Freeware::SelectedValue(const platform::TreeView& tree) {
    if (tree.Selected() == nullptr) return std::nullopt;
    return platform::TreeView::StateIndex(tree.Selected());
}

void TfrmCustomize_Freeware::SelectFirst(platform::TreeView& tree, int value) { tree.Select(tree.FindNode(value)); }

void TfrmCustomize_Freeware::SetField(f::Field field, std::string_view value) {
    m_context.game.settings.SetField(field.position, field.width, value);
}

std::string TfrmCustomize_Freeware::Field(f::Field field) const {
    return m_context.game.settings.GetField(field.position, field.width);
}

void TfrmCustomize_Freeware::FormShow() {
    Hourglass hourglass(m_context.game.services.shellPort);
    m_noApply = true;
    for (std::size_t i = 0; i < kCopiedFields.size(); ++i) m_copiedFields[i] = Field(kCopiedFields[i]);
    chkFadeBackground->SetChecked(Field(f::kFadeBackground) == kYes);
    SelectFirst(*trvCardBack, Number(Field(f::kBackCard)));

    const int bitmap = Number(Field(f::kBackgroundBmp));
    const platform::Colour colour = static_cast<platform::Colour>(Number(Field(f::kBackgroundCol)));
    const platform::Colour fixedColour = static_cast<platform::Colour>(Number(Field(f::kBackgroundFixedCol)));
    m_chosenColour = colour != 0 ? colour : static_cast<platform::Colour>(engine::kButtonFaceColour);
    imgSfondoEsempio->SizePictureToControl();
    if (Field(f::kBackgroundDef) == kYes) {
        ShowBackgroundSampleOf(0);
        // The "Colors" folder stands for the default background.
        trvBackGround->Select(trvBackGround->topLevelItem(0));
    } else if (fixedColour != 0) {
        ShowColourSample(*imgSfondoEsempio, fixedColour);
        SelectFirst(*trvBackGround, static_cast<int>(fixedColour));
    } else if (bitmap != 0) {
        ShowBackgroundSampleOf(bitmap);
        SelectFirst(*trvBackGround, bitmap);
    } else {
        ShowColourSample(*imgSfondoEsempio, m_chosenColour);
        SelectFirst(*trvBackGround, background_value::kOwnColour);
    }
    m_openedBackground = SelectedValue(*trvBackGround).value_or(0);
    SyncBackgroundSamples();
    ShowCardBackSample();
    chkSoundsEnabled->SetChecked(Field(f::kSoundsEnabled) != kYes);
    if (OptionsShownHook) OptionsShownHook();

    const engine::PreferenceFile file(*m_context.game.services.paths);
    const auto preference = [&file](std::string_view key, std::string_view fallback) {
        return file.ReadString(engine::kSectionPreference, key, fallback) == kYes;
    };
    chkTBLargeIcons->SetChecked(preference("ToolBar_Large", kNo));
    chkTBFlatBtn->SetChecked(preference("ToolBar_Flat", kYes));
    chkConfirmOnExit->SetChecked(preference("ConfirmQuit", kNo));
    chkWinningAnimation->SetChecked(preference(engine::kWinningAnimationKey, kYes));
    chkShowTime->SetChecked(Field(f::kShowTime) != kNo);
    chkShowScore->SetChecked(Field(f::kShowScore) != kNo);
    chkConfirmQuitGame->SetChecked(Field(f::kConfirmQuitGame) != kNo);
}

void TfrmCustomize_Freeware::btnOKClick() {
    const std::string_view sound = YesNo(!chkSoundsEnabled->IsChecked());
    const std::string_view large = YesNo(chkTBLargeIcons->IsChecked());
    const std::string_view flat = YesNo(chkTBFlatBtn->IsChecked());
    const std::string_view showTime = YesNo(chkShowTime->IsChecked());
    const std::string_view showScore = YesNo(chkShowScore->IsChecked());
    const std::string_view fade = YesNo(chkFadeBackground->IsChecked());
    const std::string_view confirmQuitGame = YesNo(chkConfirmQuitGame->IsChecked());
    m_noApply = false;

    engine::PreferenceFile file(*m_context.game.services.paths);
    const auto write = [&file](std::string_view key, std::string_view value) {
        file.WriteString(engine::kSectionPreference, key, value);
    };
    const auto writeNumber = [&file](std::string_view key, int value) {
        file.WriteInteger(engine::kSectionPreference, key, value);
    };
    write("Sounds_Enabled", sound);
    if (const std::optional<int> back = SelectedValue(*trvCardBack); back && *back > 0)
        SetField(f::kBackCard, engine::IntToZeroPad(*back, kBackDigits));
    writeNumber("Back_Card", Number(Field(f::kBackCard)));
    // With no background selected the stored one stays.
    if (const std::optional<int> value = SelectedValue(*trvBackGround)) {
        const BackgroundFields background = StoredBackground(*value, m_chosenColour);
        SetField(f::kBackgroundBmp, background.bitmap);
        SetField(f::kBackgroundCol, ColourText(background.colour));
        SetField(f::kBackgroundFixedCol, ColourText(background.fixedColour));
        SetField(f::kBackgroundDef, background.isDefault);
        write("Background_bmp", background.bitmap);
        writeNumber("Background_Col", ColourNumber(background.colour));
        writeNumber("Background_Fixed_Col", ColourNumber(background.fixedColour));
        write("Background_Def", background.isDefault);
    }
    SetField(f::kFadeBackground, fade);
    SetField(f::kSoundsEnabled, sound);
    write("Fade_Background", fade);
    write("ToolBar_Large", large);
    write("ToolBar_Flat", flat);
    write("Show_Time", showTime);
    write("Show_Score", showScore);
    write("ConfirmQuit", YesNo(chkConfirmOnExit->IsChecked()));
    write("ConfirmQuitGame", confirmQuitGame);
    write(engine::kWinningAnimationKey, YesNo(chkWinningAnimation->IsChecked()));

    SetField(f::kShowTime, showTime);
    SetField(f::kShowScore, showScore);
    m_context.host.SetToolbarLarge(large == kYes, false);
    m_context.host.SetToolbarFlat(flat == kYes, false);
    engine::StatusContext status = m_context.game.Status();
    engine::SetShowTime(status, Field(f::kShowTime) == kYes, false);
    engine::SetShowScore(status, Field(f::kShowScore) == kYes, false);
    SetField(f::kConfirmQuitGame, confirmQuitGame);
    Close();
}

void TfrmCustomize_Freeware::FormClose() {
    Hourglass hourglass(m_context.game.services.shellPort);
    Hide();
    Update();
    if (platform::Application* app = platform::Application::Instance()) app->ProcessMessages();
    m_context.host.UpdateMainWindow();
    if (m_noApply)
        for (std::size_t i = 0; i < kCopiedFields.size(); ++i) SetField(kCopiedFields[i], m_copiedFields[i]);
    ApplyOptionsToTable();
    m_context.host.RedrawSelectionLine();
}

void TfrmCustomize_Freeware::ApplyOptionsToTable() {
    if (!m_noApply) {
        SetField(f::kFadeBackground, YesNo(chkFadeBackground->IsChecked()));
        if (const std::optional<int> back = SelectedValue(*trvCardBack); back && *back > 0)
            SetField(f::kBackCard, engine::IntToZeroPad(*back, kBackDigits));
        if (const std::optional<int> value = SelectedValue(*trvBackGround)) {
            const BackgroundFields background = AppliedBackground(*value, m_chosenColour);
            SetField(f::kBackgroundBmp, background.bitmap);
            SetField(f::kBackgroundCol, ColourText(background.colour));
            SetField(f::kBackgroundFixedCol, ColourText(background.fixedColour));
            SetField(f::kBackgroundDef, background.isDefault);
        }
    }
    m_context.host.RefreshTableLook();
}

void TfrmCustomize_Freeware::trvBackGroundChange() {
    Hourglass hourglass(m_context.game.services.shellPort);
    ShowBackgroundSample();
    lblBackGround->SetCaption(platform::TreeView::Text(trvBackGround->Selected()));
    Update();
}

void TfrmCustomize_Freeware::chkFadeBackgroundClick() {
    const std::optional<int> value = SelectedValue(*trvBackGround);
    if (!value || !IsColourBackground(*value)) return;
    ShowColourSample(*imgSfondoEsempio,
                     *value == background_value::kOwnColour ? m_chosenColour : static_cast<platform::Colour>(*value));
}

void OpenOptionsDialog(const DialogContext& context, int /*page*/) {
    TfrmCustomize_Freeware dialog(context, context.host.OwnerWindow());
    dialog.ShowModal();
}

}  // namespace shell
