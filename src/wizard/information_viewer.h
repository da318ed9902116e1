// The information viewer: seven help topics in rich text, chosen by six check boxes
// and the "F A Q" button.
#pragma once

#include "ui/rich_text_box.h"
#include "ui/skin_button.h"
#include "ui/skin_label.h"
#include "ui/skin_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <array>

class Form13 : public SkinWindow {
    Q_OBJECT
public:
    // Wears the skin of `mainWindow` each time it comes up; looks for the topics installed
    // with the program in `helpFolder`, or beside the program when it is empty.
    Form13(SkinSource mainWindow, QString helpFolder);

    void Form_Activate() override;
    // Check box `number` (1 to 6) clicked.
    void Check_Click(int number);
    void SkinButton1_Click(); // "F A Q"
    void SkinButton2_Click(); // "Baiklah.."

    // Where a topic file is looked for: the current directory first, then the folder
    // of the topics installed with the program.
    QString topicPath(const QString &fileName) const;
    // That folder, beside the program: ../share/veld from its bin/ folder.
    static QString installedHelpFolder();

    std::array<SkinLabel *, 12> SkinLabels{}; // SkinLabel1 to SkinLabel12
    std::array<QCheckBox *, 6> Checks{};      // Check1 to Check6
    QPlainTextEdit *Text1 = nullptr;
    QLabel *Picture1 = nullptr;
    std::array<RichTextBox *, 7> RichTextBoxes{}; // RichTextBox1 to RichTextBox7
    SkinButton *SkinButton1 = nullptr;
    SkinButton *SkinButton2 = nullptr;

    // The instruction text, lines ending in CR LF.
    static QString instructionText();

protected:
    void closeRequested() override { SkinButton2_Click(); }

private:
    void loadTopic(int number);
    void clearChecks();
    void showInstructions();

    SkinSource mainWindow_;
    QString helpFolder_;
};
