#include <gtest/gtest.h>

#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"
#include "core/workspace/Settings.h"

TEST(RuntimeClassTest, RecordClassesAreRegisteredByExactName) {
    for (const char* name : {"CSatellite", "CLocation", "CSettings"}) {
        SCOPED_TRACE(name);
        const CRuntimeClass* cls = CRuntimeClass::FromName(name);
        ASSERT_NE(cls, nullptr);
        EXPECT_STREQ(cls->m_lpszClassName, name);
        EXPECT_EQ(cls->m_wSchema, 1u);
        EXPECT_TRUE(cls->IsDerivedFrom(RUNTIME_CLASS(CObject)));
        auto object = cls->CreateObject();
        ASSERT_TRUE(object);
        EXPECT_EQ(object->GetRuntimeClass(), cls);
    }
    EXPECT_EQ(CRuntimeClass::FromName("csatellite"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), nullptr);
    EXPECT_FALSE(CSatellite().IsKindOf(RUNTIME_CLASS(CLocation)));
}
