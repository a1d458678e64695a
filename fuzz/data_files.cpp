// Any bytes in the data files give a model or the load error, and whatever
// was read writes out to bytes that read back to the same model.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/DataFileFormats.h"
#include "model/FieldEncoding.h"
#include "model/LineFormat.h"
#include "model/UUtils.h"

namespace {

template <typename Collection, typename Read, typename Write>
void CheckRoundTrip(std::string_view bytes, Read read, Write write) {
  Collection first;
  try {
    read(bytes, first);
  } catch (const std::out_of_range&) {
    // A short record stops the read; what came before it must still save.
  }
  const std::string written = write(first);
  Collection second;
  read(written, second);  // the program's own output never stops a read
  if (write(second) != written) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::vector<std::string> parts;
  SplitDelimited('^', bytes, parts);
  std::vector<std::string_view> fields;
  std::string unquoted;
  datafiles::SplitTaskLine(bytes, fields, unquoted);
  const std::string decoded = DecodeField(bytes);
  if (DecodeField(EncodeField(decoded, Caret::kEscaped)) != decoded) __builtin_trap();
  if (DecodeField(EncodeField(decoded, Caret::kKept)) != decoded) __builtin_trap();

  CheckRoundTrip<TProjects>(bytes, datafiles::ReadProjects, datafiles::ProjectsText);
  CheckRoundTrip<THours>(bytes, datafiles::ReadHours, datafiles::HoursText);
  CheckRoundTrip<TTextList>(bytes, datafiles::ReadCategories, datafiles::CategoriesText);
  return 0;
}
