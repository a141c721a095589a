#include "persons/PrintContext.h"

#include "platform/Settings.h"

namespace {
std::function<bool()> g_printingSingle;
std::function<bool()> g_ibanWithoutBlanks;
std::function<bool()> g_allDataOnInvoices;
}  // namespace

bool PrintingSingleDocument() { return g_printingSingle ? g_printingSingle() : false; }

bool IbanWithoutBlanks()
{
    return g_ibanWithoutBlanks ? g_ibanWithoutBlanks() : ReadSharedBool("-Druki", "IBANciurkiem", false);
}

bool AllDataOnInvoices()
{
    return g_allDataOnInvoices ? g_allDataOnInvoices()
                               : ReadSharedBool("-Faktury", "NaFakturzeWszystkieDostepneDane", false);
}

void SetPrintingSingleDocumentSource(std::function<bool()> source) { g_printingSingle = std::move(source); }
void SetIbanWithoutBlanksSource(std::function<bool()> source) { g_ibanWithoutBlanks = std::move(source); }
void SetAllDataOnInvoicesSource(std::function<bool()> source) { g_allDataOnInvoices = std::move(source); }
