#pragma once
#include "persons/TaxOfficeEditor.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;

// "Edycja bazy urzędów skarbowych": the offices one by one ("Edycja") and as a table ("Tabela").
class TeEdycjaUrzedow : public QDialog {
    Q_OBJECT

public:
    explicit TeEdycjaUrzedow(QWidget* parent = nullptr);

    TaxOfficeEditor& Editor() { return editor_; }
    QListWidget* OfficeList() const { return lbUrzedy_; }
    QTableWidget* Table() const { return sgTabela_; }
    QTabWidget* Pages() const { return nbStrony_; }
    QLabel* AccountsLabel() const { return lbKonta_; }
    QLabel* BankLabel() const { return lbBank_; }

    void SelectLine(int line);
    TaxOfficeEditor::Fields FieldsShown() const;
    void ShowFields(const TaxOfficeEditor::Fields& fields);

    // The buttons.
    void Apply();
    void NewOffice();
    void DeleteOffice();
    void Save();
    void AssignNip();
    void Search();
    void ImportText();
    void FillTable();
    bool ApplyTable();
    void InsertRow();
    void DeleteRow();

private:
    void RefillList();
    void ShowSelected();
    void UpdateAccounts();
    QWidget* EditPage();
    QWidget* TablePage();

    TaxOfficeEditor editor_;
    QTabWidget* nbStrony_ = nullptr;
    QListWidget* lbUrzedy_ = nullptr;
    QLineEdit* eNazwa_ = nullptr;
    QLineEdit* eAdres_ = nullptr;
    QLineEdit* eKod_ = nullptr;
    QLineEdit* eMiasto_ = nullptr;
    QLineEdit* eKonto_ = nullptr;
    QLabel* lbBank_ = nullptr;
    QLineEdit* ePrefiks1_ = nullptr;
    QLineEdit* ePrefiks2_ = nullptr;
    QLineEdit* eKomentarz_ = nullptr;
    QPlainTextEdit* mZasieg_ = nullptr;
    QLineEdit* eWojewodztwo_ = nullptr;
    QPlainTextEdit* mMiastaGminy_ = nullptr;
    QCheckBox* cbIBAN_ = nullptr;
    QLabel* lbKonta_ = nullptr;
    QLabel* lbPomocKonto_ = nullptr;
    QTableWidget* sgTabela_ = nullptr;
    bool filling_ = false;
};

// The tax office editor, shown modally.
void EditTaxOffices(QWidget* parent = nullptr);
