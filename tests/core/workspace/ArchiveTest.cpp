#include <gtest/gtest.h>

#include "ArchiveSupport.h"
#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"

namespace {

std::unique_ptr<CSatellite> MakeSatellite(const std::string& name, float slot, int west, int flags,
                                          const std::string& comments) {
    auto sat = std::make_unique<CSatellite>();
    sat->SetName(name);
    sat->SetSlot(slot);
    sat->SetWest(west);
    sat->SetFlags(flags);
    sat->SetComments(comments);
    return sat;
}

Bytes SatelliteFields(const std::string& name, float slot, int west, int flags, const std::string& comments) {
    Bytes b;
    b.str(name).f32(slot).i32(west).i32(flags).str(comments);
    return b;
}

}  // namespace

TEST(ArchiveTest, PrimitivesAreLittleEndian) {
    const std::string bytes = StoreToBytes([](CArchive& ar) {
        ar << BYTE{0xAB} << WORD{0x1234} << LONG{-2} << DWORD{0xDEADBEEF} << 1.5f << 2.0;
    });
    EXPECT_EQ(bytes, Bytes()
                         .u8(0xAB)
                         .u16(0x1234)
                         .u32(0xFFFFFFFE)
                         .u32(0xDEADBEEF)
                         .u32(0x3FC00000)
                         .u32(0)
                         .u32(0x40000000)
                         .s());
    LoadFromBytes(bytes, [](CArchive& ar) {
        BYTE b;
        WORD w;
        LONG l;
        DWORD d;
        float f;
        double x;
        ar >> b >> w >> l >> d >> f >> x;
        EXPECT_EQ(b, 0xAB);
        EXPECT_EQ(w, 0x1234);
        EXPECT_EQ(l, -2);
        EXPECT_EQ(d, 0xDEADBEEFu);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(x, 2.0);
    });
}

TEST(ArchiveTest, StringPrefixesAtEachBoundary) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Bytes().u8(0)},
        {254, Bytes().u8(254)},
        {255, Bytes().u8(0xFF).u16(255)},
        {65533, Bytes().u8(0xFF).u16(65533)},
        {65534, Bytes().u8(0xFF).u16(0xFFFF).u32(65534)},
        {70000, Bytes().u8(0xFF).u16(0xFFFF).u32(70000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'x');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>('a' + i % 26);
        const std::string bytes = StoreToBytes([&](CArchive& ar) { ar << text; });
        EXPECT_EQ(bytes, c.prefix + text);
        LoadFromBytes(bytes + "trailing", [&](CArchive& ar) {
            std::string back;
            ar >> back;
            EXPECT_EQ(back, text);
        });
    }
}

TEST(ArchiveTest, WideStringsAreReadAndConverted) {
    // U+00E9, U+20AC, 'A', U+4E2D (not in Windows-1252), U+1F600 as a pair.
    const std::string utf16 = Bytes().u16(0xE9).u16(0x20AC).u16('A').u16(0x4E2D).u16(0xD83D).u16(0xDE00);
    LoadFromBytes(Bytes().u8(0xFF).u16(0xFFFE).u8(6).raw(utf16).str("next"), [](CArchive& ar) {
        std::string s, next;
        ar >> s >> next;
        EXPECT_EQ(s,
                  "\xE9\x80"
                  "A??");
        EXPECT_EQ(next, "next");
    });
    // The second prefix of a wide string uses the long forms too.
    const std::string longText(300, 'w');
    std::string longUtf16;
    for (char c : longText)
        longUtf16 += Bytes().u16(static_cast<unsigned char>(c)).s();
    LoadFromBytes(Bytes().u8(0xFF).u16(0xFFFE).u8(0xFF).u16(300).raw(longUtf16), [&](CArchive& ar) {
        std::string s;
        ar >> s;
        EXPECT_EQ(s, longText);
    });
}

TEST(ArchiveTest, CountsAndStringLists) {
    const std::string bytes = StoreToBytes([](CArchive& ar) {
        ar.WriteCount(65534);
        ar.WriteCount(65535);
        ar.WriteCount(70000);
        std::vector<std::string> list = {"Galaxy 19", "", "SES-1"};
        SerializeStringList(ar, list);
    });
    EXPECT_EQ(bytes, Bytes()
                         .u16(0xFFFE)
                         .u16(0xFFFF)
                         .u32(65535)
                         .u16(0xFFFF)
                         .u32(70000)
                         .u16(3)
                         .str("Galaxy 19")
                         .str("")
                         .str("SES-1")
                         .s());
    LoadFromBytes(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(), 65534u);
        EXPECT_EQ(ar.ReadCount(), 65535u);
        EXPECT_EQ(ar.ReadCount(), 70000u);
        std::vector<std::string> list = {"replaced"};
        SerializeStringList(ar, list);
        EXPECT_EQ(list, (std::vector<std::string>{"Galaxy 19", "", "SES-1"}));
    });
}

TEST(ArchiveTest, ObjectListOfThreeSatellites) {
    std::vector<std::unique_ptr<CSatellite>> list;
    list.push_back(MakeSatellite("Galaxy 19", 97.0f, 1, SAT_BAND_KU | SAT_REGION_AMERICAS, "Free-to-air"));
    list.push_back(MakeSatellite("Astra 1KR", 19.2f, 0, SAT_BAND_KU | SAT_REGION_EUROPE, ""));
    list.push_back(
        MakeSatellite("Optus D1", 160.0f, 0, SAT_BAND_KU | SAT_BAND_C | SAT_REGION_ASIA, "Pacific"));
    const std::string bytes = StoreToBytes([&](CArchive& ar) { SerializeObjectList(ar, list); });

    const std::string expected = Bytes()
                                     .u16(3)
                                     .u16(0xFFFF)
                                     .u16(1)
                                     .u16(10)
                                     .raw("CSatellite")
                                     .raw(SatelliteFields("Galaxy 19", 97.0f, 1, 33, "Free-to-air"))
                                     .u16(0x8001)
                                     .raw(SatelliteFields("Astra 1KR", 19.2f, 0, 65, ""))
                                     .u16(0x8001)
                                     .raw(SatelliteFields("Optus D1", 160.0f, 0, 131, "Pacific"));
    EXPECT_EQ(bytes, expected);

    LoadFromBytes(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CSatellite>> back;
        SerializeObjectList(ar, back);
        ASSERT_EQ(back.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(back[i]->GetName(), list[i]->GetName());
            EXPECT_EQ(back[i]->GetSlot(), list[i]->GetSlot());
            EXPECT_EQ(back[i]->IsWest(), list[i]->IsWest());
            EXPECT_EQ(back[i]->GetFlags(), list[i]->GetFlags());
            EXPECT_EQ(back[i]->GetComments(), list[i]->GetComments());
        }
    });
}

TEST(ArchiveTest, RepeatedReferencesAndBigTags) {
    // 33,000 satellites push the object indexes past 0x7FFE; a second
    // reference to the last one must then use the big tag.
    std::vector<std::unique_ptr<CSatellite>> list;
    for (int i = 0; i < 33000; ++i)
        list.push_back(MakeSatellite(std::string("S").append(std::to_string(i)), 1.0f, 1, 1, ""));
    CLocation location;
    const std::string bytes = StoreToBytes([&](CArchive& ar) {
        SerializeObjectList(ar, list);
        ar.WriteObject(list.front().get());
        ar.WriteObject(list.back().get());
        ar.WriteObject(nullptr);
        ar.WriteObject(&location);
        ar.WriteObject(&location);
    });
    // Class 1, objects 2..33001; CLocation class 33002, object 33003.
    const std::string tail = Bytes()
                                 .u16(2)
                                 .u16(0x7FFF)
                                 .u32(33001)
                                 .u16(0)
                                 .u16(0xFFFF)
                                 .u16(1)
                                 .u16(9)
                                 .raw("CLocation")
                                 .str("")
                                 .f32(0)
                                 .i32(1)
                                 .f32(0)
                                 .i32(1)
                                 .f32(0)
                                 .i32(1)
                                 .i32(0)
                                 .u16(0x7FFF)
                                 .u32(33003);
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    LoadFromBytes(bytes, [&](CArchive& ar) {
        std::vector<std::unique_ptr<CSatellite>> back;
        SerializeObjectList(ar, back);
        ASSERT_EQ(back.size(), 33000u);
        EXPECT_EQ(ar.ReadObject(nullptr).get(), back.front().get());
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CSatellite)).get(), back.back().get());
        EXPECT_EQ(ar.ReadObject(nullptr).get(), nullptr);
        CArchive::ObjectRef loc = ar.ReadObject(RUNTIME_CLASS(CLocation));
        ASSERT_TRUE(loc.created);
        EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CLocation)).get(), loc.get());
    });

    // A big tag naming a class: 0x7FFF then 0x80000001.
    const std::string bigClassTag = Bytes()
                                        .u16(0xFFFF)
                                        .u16(1)
                                        .u16(10)
                                        .raw("CSatellite")
                                        .raw(SatelliteFields("A", 1, 1, 1, ""))
                                        .u16(0x7FFF)
                                        .u32(0x80000001)
                                        .raw(SatelliteFields("B", 2, 0, 2, ""));
    LoadFromBytes(bigClassTag, [](CArchive& ar) {
        auto a = ar.ReadObject(RUNTIME_CLASS(CSatellite));
        auto b = ar.ReadObject(RUNTIME_CLASS(CSatellite));
        ASSERT_TRUE(b.created);
        EXPECT_EQ(static_cast<CSatellite*>(b.get())->GetName(), "B");
    });
}

TEST(ArchiveTest, ReadingErrorsAndTheirCauses) {
    auto readSatellite = [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CSatellite)); };
    auto readTwoSatellites = [](CArchive& ar) {
        auto first = ar.ReadObject(RUNTIME_CLASS(CSatellite));
        ar.ReadObject(RUNTIME_CLASS(CSatellite));
    };
    auto readString = [](CArchive& ar) {
        std::string s;
        ar >> s;
    };
    const Bytes classRecord = Bytes().u16(0xFFFF).u16(1).u16(10).raw("CSatellite");
    const std::string oneSatellite = classRecord.s() + SatelliteFields("A", 1, 1, 1, "").s();

    struct Case {
        const char* what;
        std::string bytes;
        std::function<void(CArchive&)> read;
        CArchiveException::Cause cause;
    };
    const Case cases[] = {
        {"zero-byte file", "",
         [](CArchive& ar) {
             BYTE b;
             ar >> b;
         },
         CArchiveException::endOfFile},
        {"string longer than the file", Bytes().u8(10).raw("short"), readString,
         CArchiveException::endOfFile},
        {"huge string length", Bytes().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFF).raw("abc"), readString,
         CArchiveException::endOfFile},
        {"fields cut short", classRecord.s() + Bytes().str("A").u16(0).s(), readSatellite,
         CArchiveException::endOfFile},
        {"schema 2", Bytes().u16(0xFFFF).u16(2).u16(10).raw("CSatellite"), readSatellite,
         CArchiveException::badSchema},
        {"class name in another case", Bytes().u16(0xFFFF).u16(1).u16(10).raw("csatellite"), readSatellite,
         CArchiveException::badClass},
        {"unknown class", Bytes().u16(0xFFFF).u16(1).u16(7).raw("CWidget"), readSatellite,
         CArchiveException::badClass},
        {"class name of 64 bytes", Bytes().u16(0xFFFF).u16(1).u16(64).raw(std::string(64, 'C')),
         readSatellite, CArchiveException::badClass},
        {"class name cut short", Bytes().u16(0xFFFF).u16(1).u16(10).raw("CSat"), readSatellite,
         CArchiveException::badClass},
        {"requested class differs", Bytes().u16(0xFFFF).u16(1).u16(9).raw("CLocation"), readSatellite,
         CArchiveException::badClass},
        // The panes' classes are known: their schema is checked like any other.
        {"grid class, schema 2", Bytes().u16(0xFFFF).u16(2).u16(8).raw("CArcGrid"), readSatellite,
         CArchiveException::badSchema},
        {"location pane class, schema 3", Bytes().u16(0xFFFF).u16(3).u16(13).raw("CDlgLocations"),
         readSatellite, CArchiveException::badSchema},
        {"grid object where a satellite belongs", Bytes().u16(0xFFFF).u16(1).u16(8).raw("CArcGrid"),
         readSatellite, CArchiveException::badClass},
        {"object index beyond the table", Bytes().u16(5), readSatellite, CArchiveException::badIndex},
        {"class index 0", Bytes().u16(0x8000), readSatellite, CArchiveException::badIndex},
        {"class index beyond the table", oneSatellite + Bytes().u16(0x8005).s(), readTwoSatellites,
         CArchiveException::badIndex},
        {"class index naming an object", oneSatellite + Bytes().u16(0x8002).s(), readTwoSatellites,
         CArchiveException::badIndex},
        {"object index naming a class", oneSatellite + Bytes().u16(1).s(),
         [](CArchive& ar) {
             auto first = ar.ReadObject(nullptr);
             ar.ReadObject(nullptr);
         },
         CArchiveException::badClass},
        {"earlier object of another class", oneSatellite + Bytes().u16(2).s(),
         [](CArchive& ar) {
             auto first = ar.ReadObject(nullptr);
             ar.ReadObject(RUNTIME_CLASS(CLocation));
         },
         CArchiveException::badClass},
        {"the same record twice in a list", Bytes().u16(2).s() + oneSatellite + Bytes().u16(2).s(),
         [](CArchive& ar) {
             std::vector<std::unique_ptr<CSatellite>> list;
             SerializeObjectList(ar, list);
         },
         CArchiveException::badIndex},
        {"writing while loading", "", [](CArchive& ar) { ar << BYTE{1}; }, CArchiveException::readOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LoadError(c.bytes, c.read), c.cause);
    }

    // Reading from a storing archive.
    try {
        StoreToBytes([](CArchive& ar) {
            BYTE b;
            ar >> b;
        });
        ADD_FAILURE() << "no error";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
}

TEST(ArchiveTest, ErrorMessagesNameTheFile) {
    const std::pair<CArchiveException::Cause, const char*> messages[] = {
        {CArchiveException::none, "No error occurred."},
        {CArchiveException::genericException, "An unknown error occurred while accessing /d/f.tdb."},
        {CArchiveException::readOnly, "An attempt was made to write to the reading /d/f.tdb."},
        {CArchiveException::endOfFile, "An attempt was made to access /d/f.tdb past its end."},
        {CArchiveException::writeOnly, "An attempt was made to read from the writing /d/f.tdb."},
        {CArchiveException::badIndex, "/d/f.tdb has a bad format."},
        {CArchiveException::badClass, "/d/f.tdb contained an unexpected object."},
        {CArchiveException::badSchema, "/d/f.tdb contains an incorrect schema."},
    };
    for (const auto& [cause, text] : messages)
        EXPECT_EQ(CArchiveException(cause, "/d/f.tdb").GetErrorMessage(), text);

    try {
        LoadFromBytes(
            "",
            [](CArchive& ar) {
                WORD w;
                ar >> w;
            },
            "empty.wrk");
        ADD_FAILURE() << "no error";
    } catch (const CArchiveException& e) {
        EXPECT_NE(e.GetErrorMessage().find("empty.wrk past its end."), std::string::npos)
            << e.GetErrorMessage();
    }
}

TEST(ArchiveTest, ValuesSpanningTheBufferBoundary) {
    // Enough strings of awkward lengths that values straddle every refill.
    std::vector<std::string> list;
    for (int i = 0; i < 500; ++i)
        list.push_back(std::string(static_cast<std::size_t>(i * 37 % 700), 'a' + i % 26));
    const std::string bytes = StoreToBytes([&](CArchive& ar) {
        for (const auto& s : list)
            ar << s << static_cast<LONG>(s.size());
    });
    LoadFromBytes(bytes, [&](CArchive& ar) {
        for (const auto& s : list) {
            std::string back;
            LONG n;
            ar >> back >> n;
            ASSERT_EQ(back, s);
            ASSERT_EQ(n, static_cast<LONG>(s.size()));
        }
    });
}

TEST(ArchiveTest, AnnouncedCountLargerThanTheFile) {
    // A count of a billion followed by one record: reading must stop at the
    // end of the file without ever making room for a billion entries.
    const std::string records = Bytes()
                                    .u16(0xFFFF)
                                    .u32(1000000000)
                                    .u16(0xFFFF)
                                    .u16(1)
                                    .u16(10)
                                    .raw("CSatellite")
                                    .raw(SatelliteFields("Only", 1, 1, 1, ""));
    std::vector<std::unique_ptr<CSatellite>> list;
    EXPECT_EQ(LoadError(records, [&](CArchive& ar) { SerializeObjectList(ar, list); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(list.size(), 1u);
    EXPECT_LT(list.capacity(), 1000u);

    const std::string strings = Bytes().u16(0xFFFF).u32(1000000000).str("a").str("b");
    std::vector<std::string> names;
    EXPECT_EQ(LoadError(strings, [&](CArchive& ar) { SerializeStringList(ar, names); }),
              CArchiveException::endOfFile);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_LT(names.capacity(), 1000u);
}
