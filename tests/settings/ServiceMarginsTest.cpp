#include "settings/ServiceMargins.h"
#include "settings/StoredValues.h"

#include <gtest/gtest.h>

namespace {

const QString Page1 = QStringLiteral("\\Page1");

TEST(ServiceMargins, AStoreWithoutThemGivesTheDefaults) {
    const TMemoryStoredValues empty;
    EXPECT_EQ(ReadServiceMargins(empty), (TServiceMargins{3, 6}));
}

TEST(ServiceMargins, EachIsReadApartAndAnUnreadableOneKeepsItsDefault) {
    TMemoryStoredValues store;
    store.SetRegInteger(11, Page1, QStringLiteral("OilMaxOilDev"));
    store.SetRegString(QStringLiteral("four"), Page1, QStringLiteral("OutputOilAirDev"));
    EXPECT_EQ(ReadServiceMargins(store), (TServiceMargins{3, 11}));
}

TEST(ServiceMargins, WhatIsStoredReadsBack) {
    TMemoryStoredValues store;
    EXPECT_TRUE(StoreServiceMargins(store, {7, 0}));
    EXPECT_EQ(ReadServiceMargins(store), (TServiceMargins{7, 0}));
    int32_t stored = -1;
    EXPECT_TRUE(store.GetRegInteger(stored, Page1, QStringLiteral("OutputOilAirDev")));
    EXPECT_EQ(stored, 7);
}

} // namespace
