// The Office version detection and the OFFICE tracks, run through whole
// passes on a scratch profile. Word itself is stood in for by an automation
// object of the test's own, registered in the test prefix.
#include "engine/office.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/track_pass.h"

#include <ole2.h>
#include <oleauto.h>

namespace {

using track_tests::FixedKeys;
using track_tests::TrackPass;

constexpr const char* kSection = "OFFICE";
const HKEY kCU = HKEY_CURRENT_USER;

std::string OfficeKey(const std::string& version) {
  return "Software\\Microsoft\\Office\\" + version;
}

bool IsNewStyleProduct(const std::string& product) {
  return product == "Office2007" || product == "Office2010";
}

struct OfficeRow {
  const char* key;
  const char* caption;
  double credit;          // Office 97 to 2003, and no Office known
  double newStyleCredit;  // Office 2007 and 2010
};

const OfficeRow kOfficeRows[] = {
    {"word", "Microsoft Word", 15, 10},
    {"excel", "Microsoft Excel", 15, 10},
    {"powerpoint", "Microsoft Powerpoint", 25, 10},
    {"frontpage", "Microsoft FrontPage", 21, 21},
    {"access", "Microsoft Access", 10, 10},
    {"Publisher", "Microsoft Publisher", 15, 15},
    {"InfoPath", "Microsoft InfoPath", 20, 20},
    {"Project", "Microsoft Project", 25, 25},
    {"Visio", "Microsoft Visio", 15, 15},
    {"Organizer", "Clip Organizer", 11, 11},
    {"Settings", "Microsoft Office Settings", 15, 15},
    {"Picture", "Microsoft Office Picture Manager", 7, 7},
    {"Viewer", "Microsoft Snapshot Viewer", 15, 15},
};

class OfficeTracksTest : public ::testing::Test {
 protected:
  void SelectAllOfficeTracks() {
    for (const OfficeRow& row : kOfficeRows) pass.Select(kSection, row.key);
  }

  TrackPass pass;
  FixedKeys keys;
};

// Each track alone, for each kind of Office, on a registry without any of
// its keys: its row, "Done" and its full credit.
TEST_F(OfficeTracksTest, EachTrackAloneAddsItsFixedCreditForEveryOffice) {
  for (const char* product : {"NoOffice", "Office2003", "Office2007", "Office2010"}) {
    for (const OfficeRow& row : kOfficeRows) {
      SCOPED_TRACE(std::string(product) + " " + row.key);
      TrackPass alone;
      alone.product = product;
      alone.Select(kSection, row.key);
      const engine::PassOutcome outcome = alone.Run();
      EXPECT_EQ(outcome.totals.registry,
                IsNewStyleProduct(product) ? row.newStyleCredit : row.credit);
      EXPECT_EQ(outcome.totals.bytes, 0);
      const auto rows = alone.TrackRows();
      ASSERT_EQ(rows.size(), 1u);
      EXPECT_EQ(rows[0].caption, row.caption);
      EXPECT_EQ(rows[0].status, engine::kDone);
    }
  }
}

// Word's lists under every version Word has used; a pass told the product
// erases the lists under that product's version only, and the style of list
// that version keeps.
TEST_F(OfficeTracksTest, WordAndAccessEraseTheListsOfTheDetectedVersionOnly) {
  const std::vector<std::string> versions = {"8.0", "9.0", "10.0", "11.0", "12.0", "14.0", "15.0"};
  const std::vector<std::string> olderWord = {"\\Word\\Data", "\\Word\\Recent Templates",
                                              "\\Word\\ProjectTemplateLocation"};
  const std::vector<std::string> newerWord = {"\\Word\\File MRU", "\\Word\\Place MRU"};
  const std::vector<std::string> olderAccess = {"\\Access\\Settings",
                                                "\\Access\\Internet\\Recent Templates"};
  const std::vector<std::string> access2010 = {"\\Access\\File MRU", "\\Access\\Place MRU"};

  struct Case {
    const char* product;
    const char* version;  // "" for none
  };
  const Case cases[] = {
      {"Office97", "8.0"},    {"Office2000", "9.0"},
      {"Office2002", "10.0"}, {"Office2003", "11.0"},
      {"Office2007", "12.0"}, {"Office2010", "14.0"},
      {"NoOffice", ""},       {"", ""},
      {"Office2013", ""},
  };
  pass.Select(kSection, "word");
  pass.Select(kSection, "access");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.product);
    for (const std::string& version : versions) {
      for (const auto* list : {&olderWord, &newerWord, &olderAccess, &access2010}) {
        for (const std::string& tail : *list) keys.Value(kCU, OfficeKey(version) + tail, "Item 1");
      }
      keys.Value(kCU, OfficeKey(version) + "\\Word\\Options", "kept");
    }
    pass.product = c.product;
    const engine::PassOutcome outcome = pass.Run();

    const std::string detected = c.version;
    const bool newStyle = detected == "12.0" || detected == "14.0";
    EXPECT_EQ(outcome.totals.registry, (newStyle ? 10 : 15) + 10);
    for (const std::string& version : versions) {
      auto expectErased = [&](const std::vector<std::string>& list, bool erased) {
        for (const std::string& tail : list) {
          EXPECT_EQ(FixedKeys::HasKey(kCU, OfficeKey(version) + tail), !erased) << version << tail;
        }
      };
      const bool here = version == detected;
      expectErased(olderWord, here && !newStyle);
      expectErased(newerWord, here && newStyle);
      expectErased(olderAccess, here && version != "14.0");
      expectErased(access2010, here && version == "14.0");
      EXPECT_TRUE(FixedKeys::HasKey(kCU, OfficeKey(version) + "\\Word\\Options"));
    }
  }
}

TEST_F(OfficeTracksTest, FrontPageAndSnapshotViewerDoNotDependOnTheVersion) {
  const std::string frontPage = "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer";
  const std::string viewer = "Software\\Microsoft\\Snapshot Viewer";
  pass.Select(kSection, "frontpage");
  pass.Select(kSection, "Viewer");
  for (const char* product : {"NoOffice", "Office2010", "Office97"}) {
    SCOPED_TRACE(product);
    for (const char* list : {"\\Recent File List", "\\Recent Page List", "\\Recent Web List",
                             "\\Recently Created Servers"}) {
      keys.Value(kCU, frontPage + list, "Item 1");
    }
    keys.Value(kCU, frontPage + "\\Settings", "LastWebOpen", "http://intranet/");
    keys.Value(kCU, frontPage + "\\Settings", "WindowSize", "kept");
    for (const char* list : {"\\Recent File List", "\\File MRU", "\\Place MRU"}) {
      keys.Value(kCU, viewer + list, "Item 1");
    }
    pass.product = product;
    EXPECT_EQ(pass.Run().totals.registry, 21 + 15);
    for (const char* list : {"\\Recent File List", "\\Recent Page List", "\\Recent Web List",
                             "\\Recently Created Servers"}) {
      EXPECT_FALSE(FixedKeys::HasKey(kCU, frontPage + list)) << list;
    }
    EXPECT_FALSE(FixedKeys::HasValue(kCU, frontPage + "\\Settings", "LastWebOpen"));
    EXPECT_TRUE(FixedKeys::HasValue(kCU, frontPage + "\\Settings", "WindowSize"));
    for (const char* list : {"\\Recent File List", "\\File MRU", "\\Place MRU"}) {
      EXPECT_FALSE(FixedKeys::HasKey(kCU, viewer + list)) << list;
    }
  }
}

// With no Office known the version component is empty: the keys are named
// with two backslashes in a row and passed on as they stand, and every track
// still adds its full credit. (Wine's registry reads the empty component as
// nothing, so such a name reaches the version-less key.)
TEST_F(OfficeTracksTest, WithoutOfficeTheKeysHaveAnEmptyVersionComponent) {
  keys.Value(kCU, "Software\\Microsoft\\Office\\Word\\Data", "Item 1");
  keys.Value(kCU, "Software\\Microsoft\\OfficeProfileWizard\\RecentFileList", "Item 1");
  pass.product = "NoOffice";
  pass.Select(kSection, "word");
  pass.Select(kSection, "Settings");

  track_tests::PreviewRecorder recorder;
  EXPECT_EQ(pass.Preview(recorder).totals.registry, 15 + 15);
  std::vector<std::wstring> named;
  for (const allerase::ErasedItem& item : recorder.items) named.push_back(item.path);
  EXPECT_EQ(named,
            (std::vector<std::wstring>{
                L"HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\\\Word\\Data",
                L"HKEY_CURRENT_USER\\Software\\Microsoft\\OfficeProfileWizard\\\\RecentFileList",
            }));
}

// Every Office track on a profile that holds both kinds of lists under the
// detected version: the kind that version keeps goes, the other stays.
TEST_F(OfficeTracksTest, EveryTrackSelectedOnAFullProfile) {
  struct Case {
    const char* product;
    const char* version;
    double total;
  };
  for (const Case& c : {Case{"Office2003", "11.0", 209}, Case{"Office2007", "12.0", 184}}) {
    SCOPED_TRACE(c.product);
    TrackPass profile;
    profile.product = c.product;
    for (const OfficeRow& row : kOfficeRows) profile.Select(kSection, row.key);
    const std::string office = OfficeKey(c.version);
    const std::string wizard =
        std::string("Software\\Microsoft\\OfficeProfileWizard\\") + c.version;
    const bool newStyle = std::string(c.version) == "12.0";

    const std::vector<std::string> olderLists = {
        "\\Word\\Data",
        "\\Word\\Recent Templates",
        "\\Word\\ProjectTemplateLocation",
        "\\Excel\\Recent Files",
        "\\Excel\\Recent Templates",
        "\\Excel\\ProjectTemplateLocation",
        "\\PowerPoint\\Recent File List",
        "\\PowerPoint\\Recent Templates",
        "\\PowerPoint\\RecentFolderList",
        "\\PowerPoint\\RecentTemplateList",
        "\\PowerPoint\\ProjectTemplateLocation",
    };
    const std::vector<std::string> newerLists = {
        "\\Word\\File MRU",   "\\Word\\Place MRU",      "\\Excel\\File MRU",
        "\\Excel\\Place MRU", "\\PowerPoint\\File MRU", "\\PowerPoint\\Place MRU",
    };
    const std::vector<std::string> alwaysLists = {
        "\\Access\\Settings",
        "\\Access\\Internet\\Recent Templates",
        "\\Publisher\\Recent File List",
        "\\Publisher\\File MRU",
        "\\Publisher\\Place MRU",
        "\\InfoPath\\Recent File List",
        "\\InfoPath\\Recent Templates",
        "\\InfoPath\\File MRU",
        "\\InfoPath\\Place MRU",
        "\\MS Project\\Recent File List",
        "\\MS Project\\Recent Templates",
        "\\MS Project\\ProjectTemplateLocation",
        "\\MS Project\\File MRU",
        "\\MS Project\\Place MRU",
        "\\Visio\\Recent Templates",
        "\\Visio\\File MRU",
        "\\Visio\\Place MRU",
        "\\Clip Organizer\\File MRU",
        "\\Clip Organizer\\Place MRU",
        "\\Common\\Open Find\\Microsoft Office Picture Manager\\Settings\\Add Picture "
        "Shortcut\\File Name MRU",
    };
    for (const auto* list : {&olderLists, &newerLists, &alwaysLists}) {
      for (const std::string& tail : *list) keys.Value(kCU, office + tail, "Item 1");
    }
    for (const char* list : {"\\RecentFileList", "\\File MRU", "\\Place MRU"}) {
      keys.Value(kCU, wizard + list, "Item 1");
    }
    keys.Value(kCU, office + "\\Clip Organizer", "MRUKeywords", "cat");
    keys.Value(kCU, office + "\\Clip Organizer", "ShowTaskPane", "kept");
    keys.Value(kCU, office + "\\OIS\\Options", "LastTreeConfig", "a");
    keys.Value(kCU, office + "\\OIS\\Options", "LastTreeSelection", "b");
    keys.Value(kCU, office + "\\OIS\\Options", "Zoom", "kept");
    keys.Value(kCU, office + "\\Common\\General", "kept");

    const engine::PassOutcome outcome = profile.Run();
    EXPECT_EQ(outcome.totals.registry, c.total);
    EXPECT_EQ(outcome.totals.bytes, 0);
    for (const std::string& tail : olderLists) {
      EXPECT_EQ(FixedKeys::HasKey(kCU, office + tail), newStyle) << tail;
    }
    for (const std::string& tail : newerLists) {
      EXPECT_EQ(FixedKeys::HasKey(kCU, office + tail), !newStyle) << tail;
    }
    for (const std::string& tail : alwaysLists) {
      EXPECT_FALSE(FixedKeys::HasKey(kCU, office + tail)) << tail;
    }
    for (const char* list : {"\\RecentFileList", "\\File MRU", "\\Place MRU"}) {
      EXPECT_FALSE(FixedKeys::HasKey(kCU, wizard + list)) << list;
    }
    EXPECT_FALSE(FixedKeys::HasValue(kCU, office + "\\Clip Organizer", "MRUKeywords"));
    EXPECT_TRUE(FixedKeys::HasValue(kCU, office + "\\Clip Organizer", "ShowTaskPane"));
    EXPECT_FALSE(FixedKeys::HasValue(kCU, office + "\\OIS\\Options", "LastTreeConfig"));
    EXPECT_FALSE(FixedKeys::HasValue(kCU, office + "\\OIS\\Options", "LastTreeSelection"));
    EXPECT_TRUE(FixedKeys::HasValue(kCU, office + "\\OIS\\Options", "Zoom"));
    EXPECT_TRUE(FixedKeys::HasKey(kCU, office + "\\Common\\General"));

    const auto rows = profile.TrackRows();
    ASSERT_EQ(rows.size(), std::size(kOfficeRows));
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].caption, kOfficeRows[i].caption);
      EXPECT_EQ(rows[i].status, engine::kDone);
    }
  }
}

// Progress values 48 (the detection) and 49 to 54 at the tracks that set
// them, then 55 from the first mail track; the product is asked once per
// pass, selected tracks or not.
TEST_F(OfficeTracksTest, DetectionRunsOncePerPassAndProgressIsSetSelectedOrNot) {
  const std::vector<int> expected = {48, 49, 50, 51, 52, 53, 54, 55};
  auto officeSlice = [](const std::vector<int>& progress) {
    const auto first = std::find(progress.begin(), progress.end(), 48);
    if (first == progress.end()) return std::vector<int>();
    return std::vector<int>(first, std::min(progress.end(), first + 8));
  };

  pass.Run();
  EXPECT_EQ(pass.productAsked, 1);
  EXPECT_EQ(officeSlice(pass.view.progress), expected);
  EXPECT_TRUE(pass.TrackRows().empty());

  SelectAllOfficeTracks();
  pass.Run();
  EXPECT_EQ(pass.productAsked, 2);
  EXPECT_EQ(officeSlice(pass.view.progress), expected);
}

// A stand-in for Word's automation object: answers "Version" with a given
// text (or fails), counts "Quit" and its references.
class FakeWord : public IDispatch {
 public:
  explicit FakeWord(std::optional<std::wstring> version) : version_(std::move(version)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (count != 1) return E_INVALIDARG;
    const std::wstring name = names[0];
    if (name == L"Version") {
      ids[0] = kVersion;
    } else if (name == L"Quit") {
      ids[0] = kQuit;
    } else {
      ids[0] = DISPID_UNKNOWN;
      return DISP_E_UNKNOWNNAME;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id == kVersion && (flags & DISPATCH_PROPERTYGET)) {
      ++versionReads;
      if (!version_ || !result) return DISP_E_EXCEPTION;
      result->vt = VT_BSTR;
      result->bstrVal = SysAllocString(version_->c_str());
      return S_OK;
    }
    if (id == kQuit && (flags & DISPATCH_METHOD)) {
      ++quits;
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

  LONG references = 1;
  int versionReads = 0;
  int quits = 0;

 private:
  static constexpr DISPID kVersion = 1;
  static constexpr DISPID kQuit = 2;
  std::optional<std::wstring> version_;
};

class FakeWordFactory : public IClassFactory {
 public:
  explicit FakeWordFactory(FakeWord& word) : word_(word) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    return word_.QueryInterface(iid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  FakeWord& word_;
};

// {6D1F2C3A-9B7E-4F0A-8C21-5E4D3B2A1F00}: used by these tests only.
constexpr CLSID kFakeWordClass = {
    0x6d1f2c3a, 0x9b7e, 0x4f0a, {0x8c, 0x21, 0x5e, 0x4d, 0x3b, 0x2a, 0x1f, 0x00}};
constexpr const char* kFakeWordClassText = "{6D1F2C3A-9B7E-4F0A-8C21-5E4D3B2A1F00}";

// Makes the fake answer to a programmatic identifier for its lifetime: the
// identifier in the prefix's classes, the class object in this process.
class RegisteredFakeWord {
 public:
  RegisteredFakeWord(std::string progId, std::optional<std::wstring> version)
      : progId_(std::move(progId)), word(std::move(version)), factory_(word) {
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_CLASSES_ROOT, (progId_ + "\\CLSID").c_str(), &key) == ERROR_SUCCESS) {
      RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kFakeWordClassText),
                     static_cast<DWORD>(strlen(kFakeWordClassText) + 1));
      RegCloseKey(key);
    }
    registered_ = SUCCEEDED(CoRegisterClassObject(kFakeWordClass, &factory_, CLSCTX_LOCAL_SERVER,
                                                  REGCLS_MULTIPLEUSE, &cookie_));
  }
  ~RegisteredFakeWord() {
    if (registered_) CoRevokeClassObject(cookie_);
    SHDeleteKeyA(HKEY_CLASSES_ROOT, progId_.c_str());
  }
  bool registered() const { return registered_; }

 private:
  std::string progId_;

 public:
  FakeWord word;

 private:
  FakeWordFactory factory_;
  DWORD cookie_ = 0;
  bool registered_ = false;
};

class OfficeVersionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    initialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  }
  void TearDown() override {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_ = false;
};

TEST_F(OfficeVersionTest, WordsVersionIsClassifiedByTheFirstPartItContains) {
  struct Case {
    std::optional<std::wstring> version;  // nullopt: reading "Version" fails
    const char* product;
  };
  const Case cases[] = {
      {L"8.0", "Office97"},    {L"9.0", "Office2000"},  {L"10.0", "Office2002"},
      {L"11.0", "Office2003"}, {L"12.0", "Office2007"}, {L"14.0", "Office2010"},
      {L"15.0", ""},           {L"16.0", ""},           {std::nullopt, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.product);
    RegisteredFakeWord fake("MurvaneTests.FakeWord", c.version);
    ASSERT_TRUE(fake.registered());
    EXPECT_EQ(engine::OfficeProductFrom("MurvaneTests.FakeWord"), c.product);
    EXPECT_EQ(fake.word.versionReads, 1);
    // Word was started for the question, so it is told to quit, and the
    // reference is given back.
    EXPECT_EQ(fake.word.quits, 1);
    EXPECT_EQ(fake.word.references, 1);
  }
}

TEST_F(OfficeVersionTest, NoWordMeansNoOffice) {
  EXPECT_EQ(engine::OfficeProductFrom("MurvaneTests.NotRegistered"), engine::kNoOffice);
  // The test prefix has no Office.
  EXPECT_EQ(Normal::GetOfficeVersion(), engine::kNoOffice);
}

// A pass not told the product asks Word through its automation object.
TEST_F(OfficeVersionTest, APassAsksWordForTheVersion) {
  RegisteredFakeWord fake(engine::kWordProgId, std::wstring(L"11.0"));
  ASSERT_TRUE(fake.registered());
  FixedKeys keys;
  keys.Value(kCU, OfficeKey("11.0") + "\\Word\\Data", "Item 1");
  keys.Value(kCU, OfficeKey("12.0") + "\\Word\\Data", "Item 1");

  TrackPass pass;
  pass.environment.officeProduct = nullptr;
  pass.Select(kSection, "word");
  EXPECT_EQ(pass.Run().totals.registry, 15);
  EXPECT_FALSE(FixedKeys::HasKey(kCU, OfficeKey("11.0") + "\\Word\\Data"));
  EXPECT_TRUE(FixedKeys::HasKey(kCU, OfficeKey("12.0") + "\\Word\\Data"));
  EXPECT_EQ(fake.word.quits, 1);
  EXPECT_EQ(fake.word.references, 1);
}

}  // namespace
