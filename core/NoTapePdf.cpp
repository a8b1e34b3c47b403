// A build without cairo cannot save PDF files.

#include "TapePdf.h"
#include "UserText.h"

namespace reckora {

bool WriteTapePdf(const std::filesystem::path&, const TapeLines&, std::int32_t, const PrintExtras&,
                  std::string& error) {
    error = RECKORA_USER_TEXT("This build of the program cannot save PDF files");
    return false;
}

}  // namespace reckora
