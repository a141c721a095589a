#pragma once
#include "platform/Errors.h"

// Errors of the record format (numbered messages 201 to 203) and of reading a damaged stream.
// A ZunError, so the application-wide handler shows it like any other error.
class EzunException : public ZunError {
public:
    using ZunError::ZunError;
};

// The numbered messages of the record format.
QString Message201(const QString& className);  // number already in use
QString Message202(const QString& what);       // unregistered type
QString Message203(const QString& className);  // not a record nor a list
