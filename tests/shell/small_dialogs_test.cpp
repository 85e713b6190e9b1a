#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QUrl>
#include <QUrlQuery>

#include "engine/model/preference_fields.h"
#include "engine/session/advice.h"
#include "platform/qt/controls.h"
#include "platform/qt/image_control.h"
#include "platform/qt/input_controls.h"
#include "shell/dialogs/about_form.h"
#include "shell/dialogs/advice_form.h"
#include "shell/dialogs/mail_link.h"
#include "shell/dialogs/news_forms.h"
#include "shell/dialogs/product_addresses.h"
#include "tests/shell/dialog_fixture.h"

namespace {

namespace f = engine::fields;
using test_support::MessageEvent;

// What a mail program makes of a mailto link: the address and the decoded subject, and
// how many query items the link carries.
struct Mail {
    std::string address;
    std::string subject;
    int items = 0;
};

Mail ReadMail(const std::string& link) {
    const QUrl url(QString::fromStdString(link), QUrl::StrictMode);
    const QUrlQuery query(url);
    return {url.path().toStdString(), query.queryItemValue("subject", QUrl::FullyDecoded).toStdString(),
            static_cast<int>(query.queryItems().size())};
}

TEST(MailLink, TheSubjectCannotBreakTheAddress) {
    for (const std::string where : {"abc", "a&b", "x?subject=spam", "#frag", "two words", "100% sure", "Café",
                                    "a+b=c", "(paren)"}) {
        const Mail mail = ReadMail("mailto:" + shell::NewsletterMailTarget("news@corvanet.example", where));
        EXPECT_EQ(mail.address, "news@corvanet.example") << where;
        EXPECT_EQ(mail.subject, "News (" + where + ")") << where;
        EXPECT_EQ(mail.items, 1) << where;
    }
}

TEST(MailLink, TrailingBlanksNeverReachTheSubject) {
    EXPECT_EQ(ReadMail("mailto:" + shell::NewsletterMailTarget("n@x.example", "abc   ")).subject, "News (abc)");
    EXPECT_EQ(ReadMail("mailto:" + shell::NewsletterMailTarget("n@x.example", "")).subject, "News");
}

class SmallDialogsTest : public shell_test::DialogTest {
protected:
    SmallDialogsTest() { library.AddWave("About", "RIFF-about"); }

    // Each modal show is answered by the handler for its kind of window.
    void Answer(std::function<void(shell::TfrmNews&)> news, std::function<void(shell::TfrmNews2&)> signUp) {
        app.SetShowHook([this, news, signUp](platform::Form& form) {
            if (auto* invitation = dynamic_cast<shell::TfrmNews*>(&form); invitation && news) news(*invitation);
            if (auto* second = dynamic_cast<shell::TfrmNews2*>(&form); second && signUp) signUp(*second);
            ++shows;
            return platform::kModalOk;
        });
    }

    static void Click(platform::Form& form, const char* button) { form.Control<platform::Button>(button)->click(); }

    int shows = 0;
};

TEST_F(SmallDialogsTest, TheSignUpMailsTheNewsletterAddressWithTheEncodedSubject) {
    std::vector<std::string> entries{"ab", "abc  "};
    Answer([](shell::TfrmNews& news) { Click(news, "btnSend"); },
           [this, &entries](shell::TfrmNews2& signUp) {
               EXPECT_EQ(signUp.Control<platform::Label>("lblEmail")->Caption(), shell::kNewsletterMail);
               for (const std::string& entry : entries) {
                   signUp.Control<platform::Edit>("edtWhere")->SetText(entry);
                   Click(signUp, "btnOK");
               }
           });
    shell::ShowNewsletterInvitation(Context(), true);
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(fake.Messages().Texts(MessageEvent::Kind::Info),
              (std::vector<std::string>{"Please enter at least 3 characters."}));
    ASSERT_EQ(fake.Shell().Calls().size(), 1u);
    const std::string link = fake.Shell().Calls()[0].file;
    EXPECT_EQ(link, "mailto:news@corvanet.example?subject=News%20%28abc%29");
    EXPECT_EQ(ReadMail(link).subject, "News (abc)");
    // The player's mail program gets time to open before the window closes.
    EXPECT_GE(fake.Clock().TotalDelayed(), shell::TfrmNews2::kMailWait);
}

TEST_F(SmallDialogsTest, TheInvitationOffersItsDontAskSwitchOnlyWhenAskedTo) {
    bool offered = true;
    Answer([&](shell::TfrmNews& news) {
               offered = !news.DontShowAgain().isHidden();
               if (offered) news.DontShowAgain().Click();
               Click(news, "btnCancel");
           },
           {});
    EXPECT_FALSE(shell::ShowNewsletterInvitation(Context(), false));
    EXPECT_FALSE(offered);
    EXPECT_TRUE(shell::ShowNewsletterInvitation(Context(), true));
    EXPECT_TRUE(offered);
    EXPECT_TRUE(fake.Shell().Calls().empty());
}

TEST_F(SmallDialogsTest, TheNewsletterWebPageOpensFromTheSignUp) {
    Answer([](shell::TfrmNews& news) { Click(news, "btnSend"); },
           [](shell::TfrmNews2& signUp) { signUp.Control<platform::LinkLabel>("lblWWW")->Click(); });
    shell::ShowNewsletterInvitation(Context(), false);
    ASSERT_EQ(fake.Shell().Calls().size(), 1u);
    EXPECT_EQ(fake.Shell().Calls()[0].file, "http://www.corvanet.example/newsletter");
}

TEST_F(SmallDialogsTest, TheAdviceBoxStaysAwayOnceTheSectionSaysNo) {
    shell::AdviceBox box(Context());
    game.services.advice = &box;
    WritePreferences("[Hints]\nShow_Messages=Y\n");
    AnswerModal([](platform::Form& form) {
        EXPECT_EQ(form.Caption(), "Information");
        EXPECT_EQ(form.Control<platform::Label>("lblMessage")->Caption(), "Use the big cards.");
        EXPECT_EQ(form.Control<platform::PageBook>("Notebook1")->PageIndex(), 1);
        form.Control<platform::CheckBox>("chkNotDisplay")->Click();
        form.Control<platform::Button>("btnOK")->click();
    });
    int shown = 0;
    const auto count = [&shown](platform::Form& form) {
        ++shown;
        form.Control<platform::Button>("btnOK")->click();
    };
    engine::ShowAdvice(game.services, game.settings, "Use the big cards.", "Hints", 1);
    EXPECT_EQ(Preference("Hints", "Show_Messages"), "N");
    EXPECT_TRUE(host.Called("UpdateMainWindow"));
    AnswerModal(count);
    engine::ShowAdvice(game.services, game.settings, "Use the big cards.", "Hints", 1);
    EXPECT_EQ(shown, 0);
}

TEST_F(SmallDialogsTest, AboutPlaysItsSoundOnlyWhenItsSwitchIsOn) {
    SetField(f::kSoundsEnabled, "Y");
    for (const char* aboutSound : {"N", "Y"}) {
        SetField(f::kSoundsAbout, aboutSound);
        sound.Clear();
        AnswerModal([](platform::Form& about) {
            EXPECT_EQ(about.Caption(), "About Corvanet Solitaire");
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(&about, &activate);
            Click(about, "btnOK");
        });
        shell::ShowAboutBox(Context());
        EXPECT_EQ(sound.PlayCount(), std::string(aboutSound) == "Y" ? 1u : 0u) << aboutSound;
    }
    EXPECT_EQ(sound.Events().back().data, "RIFF-about");
    EXPECT_TRUE(host.Called("RedrawSelectionLine"));
}

TEST_F(SmallDialogsTest, AboutLinksOpenTheirAddresses) {
    AnswerModal([](platform::Form& about) {
        for (const char* link : {"lblWeb", "lblMail", "lblMailMark", "lblSupport"})
            about.Control<platform::LinkLabel>(link)->Click();
        Click(about, "btnNewsletter");
    });
    shell::ShowAboutBox(Context());
    std::vector<std::string> opened;
    for (const auto& call : fake.Shell().Calls()) opened.push_back(call.file);
    EXPECT_EQ(opened, (std::vector<std::string>{"http://www.corvanet.example", "mailto:info@corvanet.example",
                                                "mailto:sales@corvanet.example", "mailto:support@corvanet.example"}));
    EXPECT_TRUE(host.Called("RunNewsletterCommand"));
}

}  // namespace
