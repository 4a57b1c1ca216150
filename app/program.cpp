#include "app/program.h"

#include "app/utama.h"
#include "consult/tanya.h"
#include "consult/tree.h"
#include "help/bant.h"
#include "result/kes2.h"
#include "runtime/look.h"

namespace app {

Program::Program(rt::Platform &platform) : forms_(platform)
{
    rt::installFontStandIns();
    forms_.define(QStringLiteral("Utama"), [](rt::Forms &forms) { return std::make_unique<Utama>(forms); });
    forms_.define(QStringLiteral("kes2"), [](rt::Forms &forms) { return std::make_unique<result::Kes2>(forms); });
    forms_.define(QStringLiteral("bant"), [](rt::Forms &forms) { return std::make_unique<help::Bant>(forms); });
    for (int node = 0; node < int(consult::tree.size()); ++node) {
        forms_.define(consult::Tanya::screenName(node),
                      [node](rt::Forms &forms) { return std::make_unique<consult::Tanya>(forms, node); });
    }
}

void Program::start()
{
    forms_.screen(QStringLiteral("Utama")).show();
}

} // namespace app
