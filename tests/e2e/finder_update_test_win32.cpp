// The update against a web server of the test's own, with throwaway key pairs
// that the host's openssl makes: the finder under test carries the public half of
// one of them in place of the release key, as a copy of the program changed with
// UpdateResourceW, so that the program itself is never built differently for it.
#include <gtest/gtest.h>

#include "e2e/finder_session_win32.h"
#include "e2e/http_server_win32.h"

using namespace e2e;

namespace {

// Key pairs of the host's openssl in a folder of their own, and signatures made
// with them as a release is signed.
class HostKeys {
 public:
  HostKeys() : folder_(hostTempName("update-keys")) {
    made_ = runHostCommand("rm -rf '" + folder_ + "' && mkdir -p '" + folder_ + "' && cd '" + folder_ +
                               "' && for key in ours other; do openssl ecparam -name prime256v1 -genkey -noout "
                               "-out $key.pem && openssl ec -in $key.pem -pubout -outform DER -out $key.der; done",
                           nullptr, 60s) == 0;
  }
  ~HostKeys() { runHostCommand("rm -rf '" + folder_ + "'", nullptr, 30s); }
  HostKeys(const HostKeys&) = delete;
  HostKeys& operator=(const HostKeys&) = delete;

  bool made() const { return made_; }
  std::string publicKey(const std::string& key) const { return readFile(hostPath(folder_ + "/" + key + ".der")); }
  std::string sign(const std::string& key, const std::string& bytes) const {
    writeFile(hostPath(folder_ + "/release"), bytes);
    DeleteFileW(hostPath(folder_ + "/release.sig").c_str());
    runHostCommand("openssl dgst -sha256 -sign '" + folder_ + "/" + key + ".pem' -out '" + folder_ +
                       "/release.sig' '" + folder_ + "/release'",
                   nullptr, 60s);
    return readFile(hostPath(folder_ + "/release.sig"));
  }

 private:
  std::string folder_;
  bool made_ = false;
};

BOOL CALLBACK firstLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD found, LONG_PTR into) {
  *reinterpret_cast<WORD*>(into) = found;
  return FALSE;
}

// A resource of a program file, and the same resource replaced in the file, in
// the language the program has it in.
std::string resourceOf(const std::wstring& program, LPCWSTR type, LPCWSTR name, WORD* language = nullptr) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::string data;
  if (language) {
    *language = 0;
    EnumResourceLanguagesW(module, type, name, firstLanguage, reinterpret_cast<LONG_PTR>(language));
  }
  if (HRSRC found = FindResourceW(module, name, type)) {
    if (HGLOBAL loaded = LoadResource(module, found))
      data.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
  }
  FreeLibrary(module);
  return data;
}

bool replaceResource(const std::wstring& program, LPCWSTR type, LPCWSTR name, const std::string& data) {
  WORD language = 0;
  if (resourceOf(program, type, name, &language).empty()) return false;
  HANDLE update = BeginUpdateResourceW(program.c_str(), FALSE);
  if (!update) return false;
  std::string copy = data;
  if (!UpdateResourceW(update, type, name, language, copy.data(), static_cast<DWORD>(copy.size()))) {
    EndUpdateResourceW(update, TRUE);
    return false;
  }
  return EndUpdateResourceW(update, FALSE) != FALSE;
}

// The version resource's fixed part starts after its header and its key.
constexpr size_t kFixedFileInfoAt = 40;

// A copy of the program with an older file version.
std::string olderRelease(const std::wstring& program, const std::wstring& scratch) {
  CopyFileW(program.c_str(), scratch.c_str(), FALSE);
  std::string info = resourceOf(scratch, RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
  if (info.size() < kFixedFileInfoAt + sizeof(VS_FIXEDFILEINFO)) return {};
  VS_FIXEDFILEINFO fixed;
  memcpy(&fixed, info.data() + kFixedFileInfoAt, sizeof(fixed));
  if (fixed.dwSignature != VS_FFI_SIGNATURE || fixed.dwFileVersionMS == 0) return {};
  fixed.dwFileVersionMS -= 1;  // one minor version back, or the major's last minor
  memcpy(info.data() + kFixedFileInfoAt, &fixed, sizeof(fixed));
  if (!replaceResource(scratch, RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO), info)) return {};
  return readFile(scratch);
}

// The release on the server: the program with another time stamp in its header,
// so that the new program can be told from the old.
std::string newRelease(const std::string& program) {
  std::string release = program;
  size_t pe = static_cast<unsigned char>(release[0x3C]) | static_cast<unsigned char>(release[0x3D]) << 8;
  release[pe + 8] = static_cast<char>(release[pe + 8] ^ 0x5A);
  return release;
}

DWORD processOf(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  return id;
}

class FinderUpdate : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { keys = new HostKeys; }
  static void TearDownTestSuite() {
    delete keys;
    keys = nullptr;
  }
  static HostKeys* keys;

  ScratchFolder folder;
  FinderSession finder{folder};
  LocalWebServer server;
  std::string program;

  FinderUpdate() { folder.addProgram(L"start_findaro.exe"); }

  // The finder in the folder trusts the throwaway key "ours" instead of the
  // release key; the server's address is its update address.
  void SetUp() override {
    ASSERT_TRUE(keys->made()) << "openssl could not make the keys";
    ASSERT_TRUE(server.listening());
    const std::wstring exe = folder.file(L"findaro.exe");
    ASSERT_EQ(resourceOf(exe, RT_RCDATA, L"UPDATEKEY").size(), 91u) << "the release key's public half";
    ASSERT_TRUE(replaceResource(exe, RT_RCDATA, L"UPDATEKEY", keys->publicKey("ours")));
    ASSERT_EQ(resourceOf(exe, RT_RCDATA, L"UPDATEKEY"), keys->publicKey("ours"));
    program = readFile(exe);
    finder.environment[L"FINDARO_UPDATE_URL"] = server.address("/findaro.exe");
  }

  void serve(const std::string& release, const std::string& signature) {
    server.serve("/findaro.exe", release);
    if (signature.empty()) server.forget("/findaro.exe.sig");
    else server.serve("/findaro.exe.sig", signature);
  }

  void expectFilesAsBefore() {
    EXPECT_EQ(readFile(folder.file(L"findaro.exe")), program);
    EXPECT_FALSE(fileExists(folder.file(L"findaro.old")));
    EXPECT_FALSE(fileExists(folder.file(L"findaro.tmp")));
    EXPECT_FALSE(fileExists(folder.file(L"findaro.sig")));
  }
};

HostKeys* FinderUpdate::keys = nullptr;

}  // namespace

TEST_F(FinderUpdate, EveryReleaseThatIsNotOursAndWholeAndCurrentIsRefusedWithNothingChanged) {
  const std::string release = newRelease(program);
  std::string changed = release;
  changed[changed.size() / 2] ^= 0x01;
  const std::string older = olderRelease(folder.file(L"findaro.exe"), folder.file(L"older.exe"));
  ASSERT_FALSE(older.empty()) << "no copy of an older version";
  DeleteFileW(folder.file(L"older.exe").c_str());
  struct Refused {
    const char* what;
    std::string release;
    std::string signature;
  };
  const Refused refused[] = {
      // A captive portal answers every address with its own page.
      {"a sign-in page", "<!DOCTYPE html><html><body>Sign in to use the network</body></html>",
       "<!DOCTYPE html><html><body>Sign in to use the network</body></html>"},
      {"unsigned", release, ""},
      {"signed by another key", release, keys->sign("other", release)},
      {"changed after signing", changed, keys->sign("ours", release)},
      {"an older version", older, keys->sign("ours", older)},
  };
  ASSERT_TRUE(finder.startReadyForKeys());

  int failures = 0;
  for (const Refused& r : refused) {
    SCOPED_TRACE(r.what);
    ASSERT_FALSE(r.release.empty());
    serve(r.release, r.signature);
    pressChord({VK_CONTROL}, 'O');
    ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Findaro Update Failed") == failures + 1; }, 60s));
    ++failures;
    expectFilesAsBefore();
  }

  // Nothing there, then no server at all.
  server.forget("/findaro.exe");
  server.forget("/findaro.exe.sig");
  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Findaro Update Failed") == failures + 1; }, 60s));
  ++failures;
  expectFilesAsBefore();
  server.stop();
  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(waitUntil([&] { return finder.timesSaid("Findaro Update Failed") == failures + 1; }, 60s));
  ++failures;
  expectFilesAsBefore();

  EXPECT_EQ(finder.timesSaid("Speak 2 Updating Findaro"), failures);
  EXPECT_FALSE(finder.saidSomething("Update successful"));
  EXPECT_TRUE(IsWindow(finder.window()));
  ASSERT_TRUE(finder.close());
}

TEST_F(FinderUpdate, ASignedReleaseIsSwappedInAndTheLauncherStartsIt) {
  const std::string release = newRelease(program);
  serve(release, keys->sign("ours", release));
  ASSERT_TRUE(finder.start());
  ASSERT_TRUE(finder.waitToSay("SearchBox has focus"));
  const DWORD first = processOf(finder.window());
  ASSERT_TRUE(bringToFront(finder.window()));

  pressChord({VK_CONTROL}, 'O');
  ASSERT_TRUE(finder.waitToSay("Speak 2 Update successful. Restarting Findaro.", 60s));
  EXPECT_EQ(server.requests(), 2);  // the program, then its signature
  // The new program comes up from the swapped file and greets the user again.
  HWND again = nullptr;
  ASSERT_TRUE(waitUntil(
      [&] {
        again = findAnyWindow([&](HWND window, const std::wstring& title) {
          return title.rfind(L"Findaro ", 0) == 0 && processOf(window) != first;
        });
        return again != nullptr && finder.timesSaid("Welcome to Findaro") == 2;
      },
      60s));
  EXPECT_EQ(readFile(folder.file(L"findaro.exe")), release);
  EXPECT_EQ(readFile(folder.file(L"findaro.old")), program);
  EXPECT_FALSE(fileExists(folder.file(L"findaro.tmp")));
  EXPECT_FALSE(fileExists(folder.file(L"findaro.sig")));
  EXPECT_EQ(finder.timesSaid("Exiting Findaro"), 1);

  ASSERT_TRUE(closeAndWaitGone(again, 30s));
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processOf(again));
  if (process) {
    WaitForSingleObject(process, 30000);
    CloseHandle(process);
  }
}
