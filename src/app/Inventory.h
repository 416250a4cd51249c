// The seven windows of the program, one instance each, created at start-up in a fixed
// order and kept until exit. Every window reaches the others through here by role: the
// one header of the shell that the windows below it include.
#pragma once
#include <memory>

namespace ui {
class Form;
class PopupMenu;
}  // namespace ui

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm8;
class TForm9;

class Inventory {
public:
    // Creates the windows in order: follower, control bar, halo, settings, help, pen,
    // board; then runs their creation handlers in the same order. A window whose
    // creation handler fails is still there.
    Inventory();
    Inventory(const Inventory&) = delete;
    Inventory& operator=(const Inventory&) = delete;
    // Destroys the windows, last created first.
    ~Inventory();

    // What the message loop does first: show the main window, the follower.
    void Start();

    TForm2& follower() { return *follower_; }
    TForm1& controlBar() { return *controlBar_; }
    TForm3& halo() { return *halo_; }
    TForm4& settingsWindow() { return *settings_; }
    TForm5& helpWindow() { return *help_; }
    TForm8& penWindow() { return *pen_; }
    TForm9& boardWindow() { return *board_; }

    // The windows of another folder as plain forms, for the parts that only show, hide
    // or ask about them and so need not know their classes.
    ui::Form& followerForm();
    ui::Form& haloForm();
    ui::Form& controlBarForm();
    ui::Form& helpForm();
    // The control bar's menu, which the tray icon opens too.
    ui::PopupMenu& controlBarMenu();

private:
    std::unique_ptr<TForm2> follower_;
    std::unique_ptr<TForm1> controlBar_;
    std::unique_ptr<TForm3> halo_;
    std::unique_ptr<TForm4> settings_;
    std::unique_ptr<TForm5> help_;
    std::unique_ptr<TForm8> pen_;
    std::unique_ptr<TForm9> board_;
};
