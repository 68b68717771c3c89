#include "app/failure.h"

namespace trellan {

void tell(std::string_view program, std::string_view message, std::FILE* stream)
{
    std::string line;
    line.reserve(program.size() + message.size() + 3);
    line.append(program).append(": ").append(message).append("\n");
    std::fwrite(line.data(), 1, line.size(), stream);
    std::fflush(stream);
}

ExitStatus tell(std::string_view program, const Failure& failure)
{
    tell(program, failure.message);
    return failure.status;
}

} // namespace trellan
