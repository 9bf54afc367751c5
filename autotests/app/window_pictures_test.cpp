// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every window of the shell and the login into PNGs for people to look
// at, and checks the pixels that make the program's frames.
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "accounts/ui/account_dialogs.h"
#include "accounts/ui/login_window.h"
#include "app/about_window.h"
#include "app/exit_confirmation_window.h"
#include "app/heavy_label.h"
#include "app/main_window.h"
#include "app/splash_window.h"
#include "app/startup.h"
#include "app/topic_menu_window.h"
#include "window/window_look.h"
#include "window/window_registry.h"
#include "controls/art_panel.h"
#include "controls/colored_group_box.h"
#include "controls/lb_button.h"
#include "controls/lb_speed_button.h"
#include "pictures/picture_library.h"
#include "tasks/ui/verdict_window.h"
#include "temp_dir.h"

namespace rova {
namespace {

QRgb Rgb(TColor color) { return qRgb(color.Red(), color.Green(), color.Blue()); }

class WindowPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateWindows();
    for (ProgramWindow* window : RegisteredWindows()) window->EnsureContents();
  }
  void TearDown() override { DestroyRegisteredWindows(); }

  // Controls paint only while they are on the screen.
  static QImage Grab(QWidget* window, const QString& file) {
    window->show();
    QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    window->hide();
    image.save(QDir(rova::testing::ArtifactDir()).filePath(file));
    return image;
  }
};

TEST_F(WindowPicturesTest, smallWindowsHaveTwoPixelFrameRoundBlackEdgedPanel) {
  LongNameDialog->SetLineText(1, TLongNameDialog::LimitText(77));
  const std::vector<std::tuple<ProgramWindow*, QString, QSize>> windows{
      {Form4, "form4_exit_confirmation.png", {275, 107}}, {Form121, "form121_unknown_user.png", {275, 107}},
      {Form122, "form122_wrong_password.png", {275, 107}}, {Form123, "form123_registered.png", {275, 91}},
      {Form124, "form124_empty_field.png", {275, 91}},     {Form125, "form125_user_exists.png", {275, 91}},
      {RefusedNameDialog, "refused_name.png", {275, 107}}, {LongNameDialog, "long_name.png", {275, 107}},
      {DecimalCommaNotice, "decimal_comma_notice.png", {291, 115}},
  };
  for (const auto& [window, file, size] : windows) {
    SCOPED_TRACE(file.toStdString());
    const QImage image = Grab(window, file);
    ASSERT_EQ(image.size(), size);
    const int right = size.width() - 1, bottom = size.height() - 1;
    for (const QPoint frame : {QPoint(0, 0), QPoint(1, 1), QPoint(right, bottom), QPoint(right - 1, 5)}) {
      EXPECT_EQ(image.pixel(frame), Rgb(kFrameColor)) << frame.x() << "," << frame.y();
    }
    for (const QPoint edge : {QPoint(2, 2), QPoint(right - 2, bottom - 2), QPoint(2, bottom - 2)}) {
      EXPECT_EQ(image.pixel(edge), qRgb(0, 0, 0)) << edge.x() << "," << edge.y();
    }
    EXPECT_EQ(image.pixel(4, 4), Rgb(kPanelColor));
  }
}

TEST_F(WindowPicturesTest, dialogTextsStayInsideTheirPanel) {
  LongNameDialog->SetLineText(1, TLongNameDialog::LimitText(77));
  for (MessageWindow* dialog :
       std::initializer_list<MessageWindow*>{Form4, Form121, Form122, Form123, Form124, Form125, RefusedNameDialog,
                                             LongNameDialog, DecimalCommaNotice}) {
    for (QLabel* label : dialog->Lines()) {
      EXPECT_LE(label->geometry().right(), dialog->ArtPanel1->width() - 2) << label->text().toStdString();
    }
  }
  // The notice with the longest right answer a point can stand in (4-4).
  DecimalCommaNotice->SetLineText(1, DecimalCommaNotice->Lines()[1]->text().replace("2,9", "172,8"));
  for (QLabel* label : DecimalCommaNotice->Lines()) {
    EXPECT_GE(label->geometry().left(), 2) << label->text().toStdString();
    EXPECT_LE(label->geometry().right(), DecimalCommaNotice->ArtPanel1->width() - 2) << label->text().toStdString();
  }
  EXPECT_TRUE(DecimalCommaNotice->Lines()[1]->text().contains("172,8"));
}

TEST_F(WindowPicturesTest, mainWindowHasTitleBarAndBody) {
  const QImage image = Grab(Form2, "form2_main_window.png");
  ASSERT_EQ(image.size(), QSize(kMainWindowWidth, kMainWindowHeight));
  EXPECT_EQ(image.pixel(0, 0), Rgb(kPanelColor));
  EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));        // title bar edge
  EXPECT_EQ(image.pixel(690, 22), qRgb(0, 0, 0));     // its far corner: 689 x 21
  EXPECT_EQ(image.pixel(300, 12), Rgb(kFrameColor));  // title bar face
  EXPECT_EQ(image.pixel(2, 26), qRgb(0, 0, 0));       // body edge
  EXPECT_EQ(image.pixel(690, 408), qRgb(0, 0, 0));    // its far corner: 689 x 383
  EXPECT_EQ(image.pixel(100, 300), Rgb(kPanelColor));
  EXPECT_EQ(Form2->LbButton1->geometry(), QRect(670, 2, 17, 17));
  EXPECT_EQ(Form2->LbButton2->geometry(), QRect(651, 2, 17, 17));
  EXPECT_EQ(Form2->Label1->text().split('\n').size(), 9);
  EXPECT_EQ(Form2->Label2->text().split('\n').size(), 2);
  EXPECT_LE(Form2->Label2->geometry().right(), Form2->ArtPanel2->width() - 2);
}

TEST_F(WindowPicturesTest, menusAndAboutPageKeepTheirFramesAndPlaces) {
  EXPECT_EQ(Form2->ColoredGroupBox1->geometry(), QRect(8, 7, 129, 362));
  EXPECT_EQ(Form2->LbSpeedButton5->geometry(), QRect(10, 322, 109, 25)) << "Išeiti stands apart at the bottom";

  const QImage topics = Grab(Form3, "form3_topic_menu.png");
  ASSERT_EQ(topics.size(), QSize(kMainWindowWidth, kMainWindowHeight));
  EXPECT_EQ(topics.pixel(2, 26), qRgb(0, 0, 0));
  EXPECT_EQ(topics.pixel(300, 12), Rgb(kFrameColor));
  EXPECT_EQ(Form3->ColoredGroupBox1->geometry(), QRect(24, 55, 649, 306));
  EXPECT_LE(Form3->Label1->geometry().right(), Form3->ArtPanel2->width() - 2) << "the long line fits the body";

  const QImage about = Grab(Form118, "form118_about.png");
  ASSERT_EQ(about.size(), QSize(348, 203));
  EXPECT_EQ(about.pixel(0, 0), Rgb(kFrameColor));
  EXPECT_EQ(about.pixel(2, 2), qRgb(0, 0, 0));        // title bar, 343 x 21
  EXPECT_EQ(about.pixel(344, 22), qRgb(0, 0, 0));
  EXPECT_EQ(about.pixel(100, 23), Rgb(kFrameColor));  // a frame row between bar and body
  EXPECT_EQ(about.pixel(2, 24), qRgb(0, 0, 0));       // body, 343 x 177
  EXPECT_EQ(about.pixel(344, 200), qRgb(0, 0, 0));
  EXPECT_EQ(Form118->LbButton1->geometry(), QRect(324, 2, 17, 17));
  for (QLabel* label : {Form118->Label1, Form118->Label4, Form118->Label5})
    EXPECT_LE(label->geometry().right(), Form118->ArtPanel2->width() - 2) << label->text().toStdString();
}

TEST_F(WindowPicturesTest, loginWindowAtBothHeights) {
  const QImage login = Grab(Form120, "form120_login.png");
  ASSERT_EQ(login.size(), QSize(524, TForm120::kLoginHeight));
  EXPECT_EQ(login.pixel(2, 26), qRgb(0, 0, 0));
  EXPECT_EQ(login.pixel(520, 180), qRgb(0, 0, 0));  // upper panel: 519 x 155
  EXPECT_EQ(login.pixel(300, 12), Rgb(kFrameColor));

  Form120->SetClientHeight(TForm120::kRegistrationHeight);
  Form120->Edit3->setText("jonas");
  Form120->Edit4->setText("slaptas");
  const QImage registration = Grab(Form120, "form120_registration.png");
  ASSERT_EQ(registration.size(), QSize(524, TForm120::kRegistrationHeight));
  EXPECT_EQ(registration.pixel(2, 186), qRgb(0, 0, 0));
  EXPECT_EQ(registration.pixel(520, 344), qRgb(0, 0, 0));  // lower panel: 519 x 159
  EXPECT_EQ(Form120->LbButton1->mapTo(Form120, QPoint(0, 0)), QPoint(502, 4));
}

TEST_F(WindowPicturesTest, splashShowsPictureAndTitleOverIt) {
  const QImage image = Grab(Form1, "form1_splash.png");
  ASSERT_EQ(image.size(), QSize(402, 302));
  EXPECT_EQ(image.pixel(0, 0), Rgb(kPanelColor));  // the panel's light edges
  EXPECT_EQ(image.pixel(401, 301), Rgb(kPanelColor));
  ASSERT_NE(Form1->Image1->pixmap().size(), QSize()) << "the splash picture is there";
  EXPECT_EQ(Form1->Image1->pixmap().size(), QSize(400, 300));
  EXPECT_EQ(Form1->Label1->pos(), QPoint(146, 91));
  EXPECT_EQ(Form1->Label2->pos(), QPoint(149, 121));

  // The title reads as bold: strokes several pixels wide, not hairlines.
  const QImage title = image.copy(Form1->Label1->geometry().translated(1, 1));
  int dark = 0;
  for (int y = 0; y < title.height(); ++y)
    for (int x = 0; x < title.width(); ++x) dark += qGray(title.pixel(x, y)) < 64;
  EXPECT_GT(dark, title.width() * title.height() / 4);
}

// Start-up shows the picture with the titles drawn in at build time; the
// labels laid out by their text and drawing them over the decoded JPEG must
// have the same sizes and give the very same pixels.
TEST_F(WindowPicturesTest, splashTitlesDrawnAtBuildTimeAreTheLabelsOwn) {
  const auto titles = {qobject_cast<HeavyLabel*>(Form1->Label1), qobject_cast<HeavyLabel*>(Form1->Label2)};
  for (HeavyLabel* title : titles) {
    ASSERT_NE(title, nullptr);
    ASSERT_TRUE(title->IsDrawnBeneath()) << "start-up used the titled picture";
  }
  const QImage drawnAtBuildTime = Grab(Form1, "form1_splash.png");

  Form1->Image1->setPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral("splash"))));
  for (HeavyLabel* title : titles) {
    const QSize drawnSize = title->size();
    title->adjustSize();
    EXPECT_EQ(title->size(), drawnSize) << title->text().toStdString();
    title->SetDrawnBeneath(false);
  }
  const QImage drawnNow = Grab(Form1, "form1_splash_titles_drawn_now.png");
  EXPECT_TRUE(drawnNow == drawnAtBuildTime) << "the two splash pictures differ";
}

}  // namespace
}  // namespace rova
