#include "calc/TooManyRows.h"

#include <string>

ETooManyRows::ETooManyRows(std::int64_t limit)
    : Exception(AnsiFromUtf8("Слишком мелкий шаг для этого диапазона: получилось бы больше ")
          + std::to_string(limit)
          + AnsiFromUtf8(" строк. Увеличьте шаг Мн или сузьте диапазон."))
{
}
