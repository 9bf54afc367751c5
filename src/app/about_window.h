#pragma once

#include "window/program_window.h"

class QKeyEvent;
class QLabel;

namespace rova {

class TArtPanel;
class TLbButton;
class TLbSpeedButton;

// TForm118: the About page with the program's version and sources.
class TForm118 : public ProgramWindow {
  Q_OBJECT

 public:
  TForm118();

  TArtPanel* ArtPanel1;  // title bar
  TLbButton* LbButton1;  // "X"
  TArtPanel* ArtPanel2;  // body
  QLabel* Label1;        // author line
  QLabel* Label2;        // version
  QLabel* Label3;        // version date
  QLabel* Label4;        // literature, first line
  QLabel* Label5;        // literature, second line
  TLbSpeedButton* LbSpeedButton1;  // "Grįžti"

  // "Grįžti" runs the handler of the window's fifth button name.
  void LbSpeedButton5Click();
  void LbButton1Click();

 protected:
  // "Grįžti" cannot take the focus, so the page answers the keys a pupil
  // presses to leave a message: Enter, Escape and Space.
  void keyPressEvent(QKeyEvent* event) override;
};

extern TForm118* Form118;

}  // namespace rova
