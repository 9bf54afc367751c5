#pragma once

#include <functional>
#include <vector>

namespace rova {

class ProgramWindow;
class TForm1;
class TForm2;
class TForm4;
class TForm120;
class TForm121;
class TForm122;
class TForm123;
class TForm124;
class TForm125;
class TRefusedNameDialog;

// The one instance of each window class, created at start-up (CreateWindows)
// and kept until the program ends; each is reached through the reference
// named after its class. Windows talk to each other only through these.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm4* Form4;
extern TForm120* Form120;
extern TForm121* Form121;
extern TForm122* Form122;
extern TForm123* Form123;
extern TForm124* Form124;
extern TForm125* Form125;
extern TRefusedNameDialog* RefusedNameDialog;

// Every window created so far, in the order of creation.
const std::vector<ProgramWindow*>& RegisteredWindows();

// Records a new window and the way to clear its reference at the end.
void RegisterWindow(ProgramWindow* window, std::function<void()> clearReference);

// Destroys every window, last created first, and clears the references.
void DestroyRegisteredWindows();

}  // namespace rova
