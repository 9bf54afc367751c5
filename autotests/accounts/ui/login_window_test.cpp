// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts/ui/login_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>

#include "accounts/password_hash.h"
#include "accounts/ui/account_dialogs.h"
#include "accounts/user_store.h"
#include "window/error_box.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "window/window_registry.h"
#include "window_driver.h"
#include "window/window_look.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "controls/art_panel.h"
#include "temp_dir.h"
#include "textio/fault_injection.h"

namespace rova {
namespace {

using testing::Click;
using testing::Later;

class LoginWindowTest : public rova::testing::InTempDir {
 protected:
  void SetUp() override {
    InTempDir::SetUp();
    writeBytes("user.dat", {});
    writeBytes("password.dat", {});
    CreateWindows();
    Form120->EnsureContents();
    // Every dialog is answered with "Gerai", as a pupil would.
    for (MessageWindow* dialog : Dialogs()) {
      log.Watch(dialog, [this](ProgramWindow* window) {
        heightsAtDialogs.push_back(Form120->ClientHeight());
        Click(static_cast<MessageWindow*>(window)->LbSpeedButton2);
      });
    }
  }
  void TearDown() override {
    DestroyRegisteredWindows();
    InTempDir::TearDown();
  }

  static std::vector<MessageWindow*> Dialogs() {
    return {Form121, Form122, Form123, Form124, Form125, RefusedNameDialog, LongNameDialog};
  }

  // Opens the login window, runs `script` inside it, and returns when the
  // window has gone (the script or the window itself closes it).
  void RunLogin(std::function<void()> script) {
    Later([this, script] {
      script();
      Form120->Close();
    });
    Form120->ShowModal();
  }

  static void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    rova::testing::TypeText(edit, text);
  }

  void FillRegistration(const RegistrationData& data) {
    Click(Form120->LbSpeedButton4);
    Type(Form120->Edit3, data.userName);
    Type(Form120->Edit4, data.password);
    Type(Form120->Edit5, data.firstName);
    Type(Form120->Edit6, data.surname);
    Type(Form120->Edit7, data.schoolClass);
    Type(Form120->Edit8, data.email);
  }

  rova::testing::OpenLog log;
  std::vector<int> heightsAtDialogs;
};

const RegistrationData kJonas{"jonas", "slaptas", "Jonas", "Jonaitis", "10a", "jonas@mokykla.lt"};

TEST_F(LoginWindowTest, newPupilRegistersAndLogsIn) {
  bool accepted = false;
  // Window managers and task bars show the caption, not the drawn title.
  EXPECT_EQ(Form120->windowTitle(), "ROVA 2004 - Identifikacija");
  RunLogin([&] {
    EXPECT_EQ(Form120->ClientHeight(), TForm120::kLoginHeight);
    FillRegistration(kJonas);
    EXPECT_EQ(Form120->ClientHeight(), TForm120::kRegistrationHeight);
    Click(Form120->LbSpeedButton3);
    // Registration does not log in and empties nothing.
    EXPECT_TRUE(Form120->IsOpen());
    EXPECT_EQ(Form120->Edit3->text(), "jonas");
    EXPECT_EQ(Form120->Edit8->text(), "jonas@mokykla.lt");

    Type(Form120->Edit1, "jonas");
    Type(Form120->Edit2, "slaptas");
    Click(Form120->LbSpeedButton1);
    accepted = Form120->IsCloseMarked();
  });
  EXPECT_EQ(log.opened, std::vector<QString>{"Form123"});
  EXPECT_EQ(heightsAtDialogs, std::vector<int>{TForm120::kLoginHeight}) << "shrunk before the success dialog";
  EXPECT_TRUE(accepted);
  EXPECT_EQ(readBytes("user.dat"), QByteArray("jonas\r\n"));
  EXPECT_TRUE(PasswordMatches(readBytes("password.dat").chopped(2), "slaptas"));
  EXPECT_EQ(readBytes("temp.dat"), QByteArray("jonas\r\n"));
  EXPECT_EQ(Form2->Width(), kMainWindowWidth);
  EXPECT_EQ(Form2->Height(), kMainWindowHeight);
  EXPECT_FALSE(Form120->isVisible());
}

struct FailedLoginCase {
  const char* name;
  QString user;
  QString password;
  QString dialog;
};

class FailedLoginTest : public LoginWindowTest, public ::testing::WithParamInterface<FailedLoginCase> {};

TEST_P(FailedLoginTest, oneDialogPerAttemptAndFieldsKept) {
  writeBytes("user.dat", "jonas\r\nona\r\n");
  writeBytes("password.dat", "slaptas\r\nona1\r\n");
  const FailedLoginCase& c = GetParam();
  RunLogin([&] {
    Type(Form120->Edit1, c.user);
    Type(Form120->Edit2, c.password);
    Click(Form120->LbSpeedButton1);
    Click(Form120->LbSpeedButton1);
    EXPECT_EQ(Form120->Edit1->text(), c.user);
    EXPECT_EQ(Form120->Edit2->text(), c.password);
    EXPECT_FALSE(Form120->IsCloseMarked());
  });
  EXPECT_EQ(log.opened, (std::vector<QString>{c.dialog, c.dialog}));
  EXPECT_EQ(readBytes("temp.dat"), (c.user + "\r\n").toUtf8()) << "each attempt names the typed user";
  EXPECT_EQ(Form2->Width(), kMainWindowWidth) << "a failed login leaves the main window alone";
}

INSTANTIATE_TEST_SUITE_P(
    Logins, FailedLoginTest,
    ::testing::Values(FailedLoginCase{"unknown", "petras", "x", "Form121"},
                      FailedLoginCase{"bothEmpty", "", "", "Form121"},
                      FailedLoginCase{"otherCase", "Jonas", "slaptas", "Form121"},
                      FailedLoginCase{"wrongPassword", "jonas", "ona1", "Form122"},
                      FailedLoginCase{"emptyPassword", "ona", "", "Form122"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoginWindowTest, duplicateNameShowsOneNoticePerLineAndNothingElse) {
  writeBytes("user.dat", "jonas\r\nona\r\njonas\r\n");
  writeBytes("password.dat", "a\r\nb\r\nc\r\n");
  RunLogin([&] {
    Click(Form120->LbSpeedButton4);
    Type(Form120->Edit3, "jonas");  // the other fields stay empty
    Click(Form120->LbSpeedButton3);
  });
  EXPECT_EQ(log.opened, (std::vector<QString>{"Form125", "Form125"}));
  EXPECT_EQ(heightsAtDialogs, (std::vector<int>{TForm120::kRegistrationHeight, TForm120::kRegistrationHeight}));
  EXPECT_EQ(readBytes("user.dat"), QByteArray("jonas\r\nona\r\njonas\r\n"));
}

TEST_F(LoginWindowTest, nameWhoseProfileIsAnotherPupilsFileGetsTheUserExistsNoticeOnce) {
  writeBytes("user.dat", "user\r\n");
  writeBytes("password.dat", "a\r\n");
  writeBytes("user_checkbox.dat", "3\r\n6\r\n4\r\n");  // user's statistics settings
  RegistrationData checkbox = kJonas;
  checkbox.userName = "checkbox";
  RunLogin([&] {
    FillRegistration(checkbox);
    Click(Form120->LbSpeedButton3);
  });
  EXPECT_EQ(log.opened, std::vector<QString>{"Form125"});
  EXPECT_EQ(Form120->ClientHeight(), TForm120::kRegistrationHeight);
  EXPECT_EQ(readBytes("user_checkbox.dat"), QByteArray("3\r\n6\r\n4\r\n"));
}

TEST_F(LoginWindowTest, emptyFieldAsksToFillEverythingOnce) {
  RegistrationData noEmail = kJonas;
  noEmail.email.clear();
  RunLogin([&] {
    FillRegistration(noEmail);
    Click(Form120->LbSpeedButton3);
  });
  EXPECT_EQ(log.opened, std::vector<QString>{"Form124"});
  EXPECT_EQ(Form120->ClientHeight(), TForm120::kRegistrationHeight);
  EXPECT_EQ(readBytes("user.dat"), QByteArray());
}

// A name refused for its characters and one refused for its length each say
// their own reason; the limit is said in characters.
TEST_F(LoginWindowTest, refusedNameSaysWhyWithItsOwnNotice) {
  const struct {
    QString name;
    QString dialog;
  } cases[] = {{"../jonas", "RefusedNameDialog"}, {QString(LongestUserName() + 1, u'ž'), "LongNameDialog"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dialog.toStdString());
    log.opened.clear();
    RegistrationData data = kJonas;
    data.userName = c.name;
    RunLogin([&] {
      FillRegistration(data);
      Click(Form120->LbSpeedButton3);
    });
    EXPECT_EQ(log.opened, std::vector<QString>{c.dialog});
    EXPECT_EQ(Form120->ClientHeight(), TForm120::kRegistrationHeight);
    EXPECT_EQ(readBytes("user.dat"), QByteArray());
    EXPECT_FALSE(exists("temp.dat"));
  }
  EXPECT_EQ(LongNameDialog->Label1->text(), "Vartotojo vardas per ilgas.");
  EXPECT_EQ(LongNameDialog->Label2->text(), "Jame gali būti ne daugiau kaip 77 ženklai.");
  EXPECT_EQ(RefusedNameDialog->Label1->text(), "Vartotojo varde yra netinkamų simbolių.");
  // The count agrees with its noun whatever the file system allows.
  for (const auto& [count, text] : std::vector<std::pair<int, QString>>{
           {1, "1 ženklas"}, {11, "11 ženklų"}, {21, "21 ženklas"}, {40, "40 ženklų"}, {64, "64 ženklai"},
           {77, "77 ženklai"}, {112, "112 ženklų"}, {122, "122 ženklai"}}) {
    EXPECT_TRUE(TLongNameDialog::LimitText(count).endsWith(" " + text + ".")) << count;
  }
}

TEST_F(LoginWindowTest, enterInAFieldPressesItsGroupsButton) {
  writeBytes("user.dat", "jonas\r\n");
  writeBytes("password.dat", "slaptas\r\n");
  RunLogin([&] {
    Type(Form120->Edit2, "blogas");
    QTest::keyClick(Form120->Edit2, Qt::Key_Return);
    EXPECT_EQ(log.opened, std::vector<QString>{"Form121"});

    Click(Form120->LbSpeedButton4);
    Type(Form120->Edit6, "Onaitė");
    QTest::keyClick(Form120->Edit6, Qt::Key_Enter);
    EXPECT_EQ(log.opened, (std::vector<QString>{"Form121", "Form124"}));

    Type(Form120->Edit1, "jonas");
    Form120->Edit2->clear();
    Type(Form120->Edit2, "slaptas");
    QTest::keyClick(Form120->Edit1, Qt::Key_Return);
    EXPECT_TRUE(Form120->IsCloseMarked());
  });
}

TEST_F(LoginWindowTest, messageDialogsCloseWithTheKeysAPupilPresses) {
  QObject::disconnect(Form121, &ProgramWindow::Opened, nullptr, nullptr);  // no "Gerai" click this time
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_A}) {
    bool closedByKey = false;
    const auto connection = QObject::connect(Form121, &ProgramWindow::Opened, Form121, [&closedByKey, key] {
      Later([&closedByKey, key] {
        QTest::keyClick(Form121, key);
        closedByKey = Form121->IsCloseMarked();
        Form121->Close();
      });
    });
    Form121->ShowModal();
    QObject::disconnect(connection);
    EXPECT_EQ(closedByKey, key != Qt::Key_A) << key;
  }
}

TEST_F(LoginWindowTest, coveredRegistrationPartTakesNoKeys) {
  RunLogin([&] {
    Type(Form120->Edit2, "x");
    QTest::keyClick(Form120->Edit2, Qt::Key_Tab);
    EXPECT_FALSE(Form120->ArtPanel5->isAncestorOf(Form120->focusWidget())) << "Tab stays in the login part";

    FillRegistration(kJonas);
    EXPECT_EQ(Form120->focusWidget(), Form120->Edit8);
    QTest::keyClick(Form120->Edit8, Qt::Key_Return);
    EXPECT_EQ(log.opened, std::vector<QString>{"Form123"});
    EXPECT_EQ(Form120->ClientHeight(), TForm120::kLoginHeight);
    EXPECT_EQ(Form120->focusWidget(), Form120->Edit1) << "the focus leaves the covered fields";
    EXPECT_EQ(Form120->Edit3->text(), "jonas") << "covering empties nothing";
  });
}

TEST_F(LoginWindowTest, eachClearButtonEmptiesOnlyItsOwnGroup) {
  RunLogin([&] {
    Type(Form120->Edit1, "jonas");
    Type(Form120->Edit2, "slaptas");
    FillRegistration(kJonas);
    Click(Form120->LbSpeedButton2);
    EXPECT_TRUE(Form120->Edit1->text().isEmpty());
    EXPECT_TRUE(Form120->Edit2->text().isEmpty());
    EXPECT_EQ(Form120->Edit3->text(), "jonas");
    Type(Form120->Edit1, "ona");
    Click(Form120->LbSpeedButton5);
    for (QLineEdit* edit : {Form120->Edit3, Form120->Edit4, Form120->Edit5, Form120->Edit6, Form120->Edit7,
                            Form120->Edit8}) {
      EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    }
    EXPECT_EQ(Form120->Edit1->text(), "ona");
  });
  EXPECT_TRUE(log.opened.empty());
}

TEST_F(LoginWindowTest, passwordFieldsShowBulletsButPassTheTypedText) {
  RunLogin([&] {
    FillRegistration(kJonas);
    Type(Form120->Edit2, "ąčę");
    EXPECT_EQ(Form120->Edit2->displayText(), QString(3, QChar(0x2022)));
    EXPECT_EQ(Form120->Edit4->displayText(), QString(7, QChar(0x2022)));
    EXPECT_EQ(Form120->Edit3->displayText(), "jonas");
    Click(Form120->LbSpeedButton3);
  });
  const QByteArray stored = readBytes("password.dat");
  EXPECT_TRUE(stored.endsWith("\r\n") && PasswordMatches(stored.chopped(2), "slaptas"));
}

TEST_F(LoginWindowTest, registrationLabelsStandBesideTheirEdits) {
  struct Row {
    QString label;
    QPoint labelAt;
    QLineEdit* edit;
    QPoint editPanelAt;
  };
  const Row rows[] = {
      {"Vartotojas:", {8, 22}, Form120->Edit3, {66, 20}},   {"Slaptažodis:", {8, 46}, Form120->Edit4, {66, 44}},
      {"El. paštas:", {8, 71}, Form120->Edit8, {66, 68}},   {"Vardas:", {256, 22}, Form120->Edit5, {314, 20}},
      {"Pavardė:", {256, 46}, Form120->Edit6, {314, 44}},   {"Klasė:", {256, 71}, Form120->Edit7, {314, 68}},
  };
  const auto labels = Form120->ColoredGroupBox3->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label.toStdString());
    const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == row.label; });
    ASSERT_NE(label, labels.end());
    EXPECT_EQ((*label)->pos(), row.labelAt);
    EXPECT_EQ(row.edit->parentWidget()->parentWidget(), Form120->ColoredGroupBox3);
    EXPECT_EQ(row.edit->parentWidget()->pos(), row.editPanelAt);
  }
}

TEST_F(LoginWindowTest, fileErrorShowsBoxOverWindowShrunkBeforeTheFilesWereWritten) {
  std::vector<QString> errors;
  ScopedErrorBoxPresenter presenter([&](QWidget* window, const QString& text) {
    EXPECT_EQ(window, Form120);
    errors.push_back(text);
  });
  RunLogin([&] {
    FillRegistration(kJonas);
    {
      ScopedFault readOnly("user.dat", FaultOp::Create, EACCES);
      Click(Form120->LbSpeedButton3);
    }
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(Form120->ClientHeight(), TForm120::kLoginHeight);
    EXPECT_TRUE(Form120->IsOpen());
    EXPECT_FALSE(Form120->IsCloseMarked());
    // Still usable: the same registration now goes through.
    Click(Form120->LbSpeedButton4);
    Click(Form120->LbSpeedButton3);
  });
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(errors[0].endsWith('.'));
  EXPECT_EQ(log.opened, std::vector<QString>{"Form123"});
  EXPECT_EQ(readBytes("user.dat"), QByteArray("jonas\r\n"));
}

TEST_F(LoginWindowTest, missingUserFileShowsTheProgramsStopBox) {
  QFile::remove(path("user.dat"));
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
  } seen;
  int boxes = 0;
  RunLogin([&] {
    Type(Form120->Edit1, "jonas");
    // Answers the box once it is up, from inside its own loop.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      watcher.stop();
      ++boxes;
      seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
      Click(box->button(QMessageBox::Ok));
    });
    watcher.start(0);
    Click(Form120->LbSpeedButton1);
    EXPECT_EQ(QApplication::activeModalWidget(), Form120) << "the login window is usable again";
  });
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(seen.title, "ROVA 2004");
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.buttons, QMessageBox::Ok);
  EXPECT_EQ(seen.text, "File not found.");
  EXPECT_TRUE(log.opened.empty());
  EXPECT_EQ(readBytes("temp.dat"), QByteArray("jonas\r\n")) << "the attempt was recorded before the failure";
}

}  // namespace
}  // namespace rova
