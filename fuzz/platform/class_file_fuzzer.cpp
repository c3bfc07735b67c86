// Class-file parser: any bytes give a parsed class or a FormatError, never a crash; the
// signature texts of what parsed can always be written.

#include <cstddef>
#include <cstdint>

#include "platform/class_file.h"
#include "platform/member_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qv::StringPool pool;
    try {
        const qv::ClassFileInfo info = qv::parseClassFile({data, size}, pool);
        for (const qv::MethodInfo& m : info.methods)
            (void)(m.isConstructor() ? qv::constructorText(info, m) : qv::methodText(info, m));
    } catch (const qv::FormatError&) {
    }
    return 0;
}
