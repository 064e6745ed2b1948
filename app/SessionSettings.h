#pragma once
// What the program remembers between runs, in the user's settings: where the main
// window stood and how large it was, and the folder last saved to. The inputs are not
// remembered: each run starts from the stored defaults.
class TForm;

class TSessionSettings {
public:
    // Reads the settings and applies them: the main window opens where it was left.
    explicit TSessionSettings(TForm& main);
    // Writes them, at the end of the run.
    ~TSessionSettings();
    TSessionSettings(const TSessionSettings&) = delete;
    TSessionSettings& operator=(const TSessionSettings&) = delete;

private:
    TForm& FMain;
};
