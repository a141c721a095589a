#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The dialog seam: every message, question, input, pick list, file dialog and printer choice that
// the logic needs goes through DialogSeam. The program installs the Qt windows; tests install a
// scripted seam that records every text and answers from a queue.

struct WarningRequest {
    QString title;
    QString heading;
    QString body;
    QString info;
    QString key;
    bool keyEnabled = false;
    int timeout = 122;  // seconds; 0 = answer OK without showing; negative = never closes by itself
};

// What the warning dialog shows for a request: icons, texts and buttons after the marker rules.
struct WarningLayout {
    bool informationIcon = false;
    bool exclamationIcon = false;
    bool stopIcon = false;
    bool questionIcon = false;
    QString caption;         // the title without its markers
    QString heading;         // the heading without its markers, line breaks as <br>
    QString body;            // line breaks as <br>
    QString markup;          // the text the dialog shows
    QString okCaption;       // "&OK" or "&Tak"
    QString cancelCaption;   // "&Anuluj" or "&Nie"
    bool cancelVisible = false;
    bool dontShowAgainVisible = false;
    bool infoVisible = false;
    int ticks = 0;           // countdown ticks of 200 ms; 0 = no countdown
};

struct WarningAnswer {
    int result = 1;          // 1 OK / "Tak", 2 Cancel / "Nie"
    bool timedOut = false;   // the countdown ran out and answered OK
};

struct InputRequest {
    QString caption;
    QString prompt;          // without the "#" mask marker
    QString defaultText;
    bool masked = false;
};

struct PickRequest {
    QStringList lines;       // mark-up lines, each already cut to its display length
    QString caption;
    QString title;
    int preselect = -1;
    bool allowCancel = true; // false: a list shown only for reading
};

struct FileDialogRequest {
    QString caption;
    QString folder;
    QString fileName;
    QString filter;          // Qt filter text, e.g. "Pliki tekstowe (*.txt)"
};

struct PrinterChoiceRequest {
    QString documentTitle;
    QString printerName;     // the printer to preselect; empty = the default printer
    int copies = 1;
    bool landscape = false;
    bool fixedForm = false;  // a pre-printed form: paper and orientation may not change
};

struct PrinterChoice {
    enum class Action { Cancel, Print, Preview, SavePdf };
    Action action = Action::Cancel;
    QString printerName;
    int copies = 1;
    bool landscape = false;
    QString pdfPath;         // for SavePdf
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual WarningAnswer ShowWarning(const WarningRequest& request, const WarningLayout& layout) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> InputText(const InputRequest& request) = 0;
    // The chosen index, or -1 when cancelled.
    virtual int PickFromList(const PickRequest& request) = 0;
    virtual bool ShowTextList(const QString& caption, const QString& heading, const QStringList& lines) = 0;
    // Empty when cancelled.
    virtual QString OpenFileName(const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(const FileDialogRequest& request) = 0;
    virtual QString ExistingFolder(const FileDialogRequest& request) = 0;
    virtual PrinterChoice ChoosePrinter(const PrinterChoiceRequest& request) = 0;
};

// The installed seam. Without one, every question is answered as if the user were absent: messages
// OK, inputs and picks cancelled (what a headless command-line run needs).
DialogSeam& Dialogs();
void InstallDialogs(std::shared_ptr<DialogSeam> seam);
