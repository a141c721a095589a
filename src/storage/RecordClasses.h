#pragma once
#include "storage/ZunPersistent.h"

#include <QString>
#include <functional>
#include <memory>

// The program-wide registry of record classes: each class that can stand in a base file has a
// 16-bit type number, written before its body.
//
// How another module adds its record class and base kind:
//   1. Give the class a ClassName() override returning its name and a default constructor that
//      leaves every field zero or empty (ReadObject fills it with Load).
//   2. In the module's init function (e.g. RegisterPersonsRecordClasses(), called by the program's
//      start-up before OpenStartupBases()), call
//          RegisterRecordClass(2503, "TUrzadSkarbowy", [] { return std::make_unique<TUrzadSkarbowy>(); });
//      Registration is explicit on purpose: static initialisers in static libraries may never run.
//   3. The base kinds and their start-up order are fixed in StartupBases.cpp: a kind is opened at
//      start-up once the record class it holds is registered, so registering is all a module does.
//      A kind that needs a list class of its own registers it with RegisterBaseListClass (BaseKinds.h).

using RecordFactory = std::function<std::unique_ptr<ZunPersistent>()>;

struct tZunRecObject {
    quint16 Number = 0;
    QString ClassName;
    RecordFactory Make;
};

// Raises EzunException with message 201 when the number is taken.
void RegisterRecordClass(quint16 number, const QString& className, RecordFactory factory);
const tZunRecObject* FindClassByNumber(quint16 number);
const tZunRecObject* FindClassByName(const QString& className);
bool IsRecordClassRegistered(quint16 number);

// The classes of the record storage itself (50, 100, 101, 700, 711 to 714, 4021). Safe to call again.
void RegisterStorageRecordClasses();
// Tests: forget every registration.
void ClearRecordClasses();
