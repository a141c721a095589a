#pragma once
#include <functional>

// What the account and person texts need to know about printing. The print engine and the print
// settings live above this library, so they install their answers here; until they do, the
// answers come from the shared settings store and nothing counts as being printed.

// A document is being printed on the printer, outside a batch of transfers.
bool PrintingSingleDocument();
// The print option "IBANciurkiem": 26-digit account parts without blanks.
bool IbanWithoutBlanks();
// The invoice option "NaFakturzeWszystkieDostepneDane": contacts on invoices too.
bool AllDataOnInvoices();

void SetPrintingSingleDocumentSource(std::function<bool()> source);
void SetIbanWithoutBlanksSource(std::function<bool()> source);
void SetAllDataOnInvoicesSource(std::function<bool()> source);
