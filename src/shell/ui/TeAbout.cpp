#include "shell/ui/TeAbout.h"

#include "platform/Messages.h"
#include "shell/AboutInfo.h"
#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/ProgramIdentity.h"
#include "shell/ui/GuardedCall.h"
#include "shell/ui/MarkupLabel.h"
#include "shell/ui/ProgramIcon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* ActionButton(QWidget* parent, const QString& caption, const char* name, const QString& action)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setEnabled(HasLauncherAction(action));
    QObject::connect(button, &QPushButton::clicked, parent,
                     [action] { GuardedCall([&] { RunLauncherAction(action); }); });
    return button;
}
}  // namespace

TeAbout::TeAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("TeAbout");
    const ProgramIdentity identity;
    setWindowTitle("O programie " + identity.DisplayName);

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(64, 64));
    auto* name = new QLabel("<span style=\"font-size:16pt\"><b>" + identity.DisplayName.toHtmlEscaped() +
                                "</b></span><br>wersja " + identity.Version.toHtmlEscaped() + "<br>" +
                                identity.Company.toHtmlEscaped(),
                            this);
    name->setObjectName("lbNazwa");
    auto* fullName = new QLabel(identity.FullName, this);
    fullName->setObjectName("lbPelnaNazwa");
    auto* description = new QLabel(identity.Comments, this);
    description->setObjectName("lbOpis");
    description->setWordWrap(true);

    auto* info = new QVBoxLayout;
    int row = 0;
    for (const AboutInfoLine& line : AboutInformation()) {
        auto* label = new MarkupLabel(this);
        label->setObjectName(QString("lbInfo%1").arg(++row));
        label->SetMarkup(line.markup);
        info->addWidget(label);
    }

    auto* applications = new QPushButton("Lista aplikacji", this);
    applications->setObjectName("bListaAplikacji");
    applications->setAutoDefault(false);
    connect(applications, &QPushButton::clicked, this, [] {
        GuardedCall([] {
            ShowTextList("Lista aplikacji", "Aplikacje aktualnie uruchomione w systemie:", RunningApplicationNames());
        });
    });
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("bOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* actions = new QVBoxLayout;
    actions->addWidget(applications);
    actions->addWidget(ActionButton(this, "Zmień zestaw danych...", "bZestaw", launcher::kSwitchDataSet));
    actions->addWidget(ActionButton(this, "&Kontakt techniczny...", "bKontakt", launcher::kTechnicalContact));
    actions->addWidget(ActionButton(this, "Odinstaluj...", "bUsuwator", launcher::kUninstall));
    actions->addStretch();
    actions->addWidget(ok);

    auto* head = new QHBoxLayout;
    head->addWidget(icon, 0, Qt::AlignTop);
    head->addWidget(name, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(head);
    left->addWidget(fullName);
    left->addWidget(description);
    left->addSpacing(8);
    left->addLayout(info);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(actions);
}
