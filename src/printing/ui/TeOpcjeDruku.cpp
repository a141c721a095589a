#include "printing/ui/TeOpcjeDruku.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QCheckBox* Check(const QString& name, const QString& text, QWidget* parent)
{
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}
}  // namespace

TeOpcjeDruku::TeOpcjeDruku(QWidget* parent) : QDialog(parent)
{
    setObjectName("TeOpcjeDruku");
    setWindowTitle("Opcje druków");
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("nbOpcje");

    auto* general = new QWidget(tabs);
    auto* generalGrid = new QGridLayout(general);
    generalGrid->addWidget(new QLabel("Stawka odsetek do wezwania do zapłaty:", general), 0, 0);
    interest_ = new QDoubleSpinBox(general);
    interest_->setObjectName("eStawkaOdsetek");
    interest_->setRange(0, 1000);
    interest_->setDecimals(4);
    interest_->setSuffix("% rocznie");
    generalGrid->addWidget(interest_, 0, 1);
    kp3_ = Check("cbKP3", "drukuj KP w 3 egzemplarzach", general);
    generalGrid->addWidget(kp3_, 1, 0, 1, 2);
    generalGrid->setRowStretch(2, 1);
    tabs->addTab(general, "Ogólne");

    auto* marginsPage = new QWidget(tabs);
    auto* marginsLayout = new QVBoxLayout(marginsPage);
    marginsLayout->addWidget(new QLabel("marginesy różnych druków, liczone od brzegu kartki:", marginsPage));
    auto* marginsGrid = new QGridLayout;
    const char* words[] = {"od góry", "od lewej", "od prawej", "od dołu"};
    const char* names[] = {"eGorny", "eLewy", "ePrawy", "eDolny"};
    for (int i = 0; i < 4; ++i) {
        margins_[i] = new QSpinBox(marginsPage);
        margins_[i]->setObjectName(names[i]);
        margins_[i]->setRange(0, kMaxMargin);
        margins_[i]->setSuffix(" mm");
        marginsGrid->addWidget(new QLabel(words[i], marginsPage), i, 0);
        marginsGrid->addWidget(margins_[i], i, 1);
    }
    marginsGrid->setColumnStretch(2, 1);
    marginsLayout->addLayout(marginsGrid);
    auto* note = new QLabel(
        "Marginesy w razie potrzeby zostaną zwiększone tak, by żadna część wydruku nie została obcięta. Zależy to od "
        "konkretnej drukarki - plujki na przykład muszą mieć dolny margines nawet kilka centymetrów. Ustawienia "
        "marginesów nie dotyczą przelewów ani kopert. Ustawienia marginesów na fakturze dokonuje się w oknie "
        "ustawienia opcji faktur.",
        marginsPage);
    note->setWordWrap(true);
    marginsLayout->addWidget(note);
    punch_ = Check("cbDziurki", "na drukach biurowych dziurki dla dziurkacza na lewym marginesie każdej strony",
                   marginsPage);
    marginsLayout->addWidget(punch_);
    marginsLayout->addStretch();
    tabs->addTab(marginsPage, "Marginesy");

    auto* fontsPage = new QWidget(tabs);
    auto* fontsGrid = new QGridLayout(fontsPage);
    title_ = AddFontRow(fontsGrid, 0, "Tytuł druków:", "Title", kTitleSizes, "Wezwanie do zapłaty");
    text_ = AddFontRow(fontsGrid, 2, "Główna treść druku:", "Text", kTextSizes, "Wzywamy do dobrowolnego uiszczenia");
    opis_ = AddFontRow(fontsGrid, 4, "Opisy i teksty dodatkowe:", "Opis", kOpisSizes,
                       "Jeśli należność została uiszczona, prosimy traktować to wezwanie jako niebyłe.");
    italic_ = Check("cbKursywa", "opisy kursywą", fontsPage);
    fontsGrid->addWidget(italic_, 6, 1);
    fontsGrid->setRowStretch(7, 1);
    tabs->addTab(fontsPage, "Czcionki");

    auto* envelopes = new QWidget(tabs);
    auto* envelopeGrid = new QGridLayout(envelopes);
    koperta_ = AddFontRow(envelopeGrid, 0, "Adres na kopercie:", "Koperta", kEnvelopeSizes, {});
    okienko_ = AddFontRow(envelopeGrid, 2, "w okienku adresowym, na adresie pomocniczym:", "Okienko", kEnvelopeSizes,
                          {});
    plainAddress_ = Check("cbBezPolskich", QString(), envelopes);
    auto* plainLabel = new QLabel("drukuj adres pomocniczy bez polskich liter<br>ważne jeśli drukujesz tekstowo na "
                                  "igłówce",
                                  envelopes);
    plainLabel->setBuddy(plainAddress_);
    auto* plainRow = new QHBoxLayout;
    plainRow->addWidget(plainAddress_);
    plainRow->addWidget(plainLabel, 1);
    envelopeGrid->addLayout(plainRow, 4, 0, 1, 3);
    envelopeGrid->setRowStretch(5, 1);
    tabs->addTab(envelopes, "Koperty");

    auto* ok = new QPushButton("Ustaw opcje!", this);
    ok->setObjectName("bOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton("Anuluj", this);
    cancel->setObjectName("bAnuluj");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(italic_, &QCheckBox::toggled, this, [this] { RefreshSamples(); });

    SetValues(ReadPrintOptions());
    resize(620, 420);
}

TeOpcjeDruku::FontRow TeOpcjeDruku::AddFontRow(QGridLayout* grid, int row, const QString& caption,
                                               const QString& name, SizeRange sizes, const QString& sample)
{
    FontRow r;
    QWidget* parent = grid->parentWidget();
    grid->addWidget(new QLabel(caption, parent), row, 0);
    r.face = new QFontComboBox(parent);
    r.face->setObjectName("cb" + name + "Font");
    r.size = new QSpinBox(parent);
    r.size->setObjectName("e" + name + "Size");
    r.size->setRange(sizes.minimum, sizes.maximum);
    r.size->setSuffix(" pkt.");
    grid->addWidget(r.face, row, 1);
    grid->addWidget(r.size, row, 2);
    if (!sample.isEmpty()) {
        r.sample = new QLabel(sample, parent);
        r.sample->setObjectName("lb" + name + "Probka");
        r.sample->setWordWrap(true);
        r.sample->setMinimumHeight(36);
        grid->addWidget(r.sample, row + 1, 1, 1, 2);
    }
    connect(r.face, &QFontComboBox::currentFontChanged, this, [this] { RefreshSamples(); });
    connect(r.size, &QSpinBox::valueChanged, this, [this] { RefreshSamples(); });
    return r;
}

void TeOpcjeDruku::RefreshSamples()
{
    for (FontRow* r : {&title_, &text_, &opis_}) {
        if (!r->sample)
            continue;
        QFont f = r->face->currentFont();
        f.setPointSize(r->size->value());
        f.setBold(r == &title_);
        f.setItalic(r == &opis_ && italic_->isChecked());
        r->sample->setFont(f);
    }
}

void TeOpcjeDruku::SetValues(const PrintOptionsValues& v)
{
    interest_->setValue(v.interestPercent);
    kp3_->setChecked(v.kp3);
    const int margins[] = {v.marginTop, v.marginLeft, v.marginRight, v.marginBottom};
    for (int i = 0; i < 4; ++i)
        margins_[i]->setValue(margins[i]);
    punch_->setChecked(v.punchHoles);
    const auto set = [](FontRow& r, const QString& face, int size) {
        r.face->setCurrentFont(QFont(face));
        r.size->setValue(size);
    };
    set(title_, v.titleFace, v.titleSize);
    set(text_, v.textFace, v.textSize);
    set(opis_, v.opisFace, v.opisSize);
    set(koperta_, v.kopertaFace, v.kopertaSize);
    set(okienko_, v.okienkoFace, v.okienkoSize);
    italic_->setChecked(v.opisItalic);
    plainAddress_->setChecked(v.auxAddressPlain);
    RefreshSamples();
}

PrintOptionsValues TeOpcjeDruku::Values() const
{
    PrintOptionsValues v;
    v.interestPercent = interest_->value();
    v.kp3 = kp3_->isChecked();
    v.marginTop = margins_[0]->value();
    v.marginLeft = margins_[1]->value();
    v.marginRight = margins_[2]->value();
    v.marginBottom = margins_[3]->value();
    v.punchHoles = punch_->isChecked();
    v.titleFace = title_.face->currentFont().family();
    v.titleSize = title_.size->value();
    v.textFace = text_.face->currentFont().family();
    v.textSize = text_.size->value();
    v.opisFace = opis_.face->currentFont().family();
    v.opisSize = opis_.size->value();
    v.opisItalic = italic_->isChecked();
    v.kopertaFace = koperta_.face->currentFont().family();
    v.kopertaSize = koperta_.size->value();
    v.okienkoFace = okienko_.face->currentFont().family();
    v.okienkoSize = okienko_.size->value();
    v.auxAddressPlain = plainAddress_->isChecked();
    return v;
}

void TeOpcjeDruku::Confirm()
{
    ApplyPrintOptions(Values());
    accept();
}
