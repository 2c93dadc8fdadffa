#pragma once

#include "core/CoolerTypes.h"

// The two references the user types in the print setup for the report's head: the customer's
// and our own, each at most 50 characters.
struct TReportReferences {
    TPrnStr YourRef;
    TPrnStr OurRef;

    bool operator==(const TReportReferences&) const = default;
};
