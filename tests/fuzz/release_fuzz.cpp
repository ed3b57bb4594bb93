// A downloaded release is read before anything vouches for it: its signature
// file, and the program's headers and resources. Whatever arrives, the readers
// stay inside the bytes, a signature or key has exactly one encoding, and a
// program called whole has every byte its headers promise.
#include "findaro/actions/program_image.h"
#include "findaro/actions/program_resources.h"
#include "findaro/actions/release_signature.h"
#include "fuzz_support.h"
#include "support/program_images.h"

using namespace findaro;

namespace {

bool inside(std::string_view part, std::string_view whole) {
  return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input input(data, size);
  const std::uint16_t machine = input.byte() & 1 ? kMachineAmd64 : kMachineI386;
  const std::string bytes = input.rest();

  if (checkProgramImage(bytes, machine) == ProgramImageCheck::Complete) {
    const std::uint64_t promised = promisedImageSize(bytes);
    FUZZ_CHECK(promised > 0 && promised <= bytes.size(), "a whole program has every byte its headers promise");
  }
  if (std::optional<std::string_view> key = programResource(bytes, kRawDataResource, "UPDATEKEY"))
    FUZZ_CHECK(inside(*key, bytes), "a resource lies inside the file");
  std::optional<FileVersion> version = programFileVersion(bytes);
  std::optional<FileVersion> again = programFileVersion(bytes);
  FUZZ_CHECK(version.has_value() == again.has_value() && (!version || *version == *again), "one file, one version");

  if (std::optional<std::string> signature = p256SignatureFromDer(bytes)) {
    FUZZ_CHECK(signature->size() == 64, "r and s of 32 bytes each");
    FUZZ_CHECK(testing_support::derSignature(*signature) == bytes, "a signature has one encoding");
  }
  if (std::optional<std::string> key = p256KeyFromDer(bytes)) {
    FUZZ_CHECK(key->size() == 64, "X and Y of 32 bytes each");
    FUZZ_CHECK(testing_support::derPublicKey(*key) == bytes, "a key has one encoding");
  }
  return 0;
}
