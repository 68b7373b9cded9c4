#pragma once
// Help topics and hints of the option switches. A switch that stands on
// several pages has one entry; the help file names its topics after the
// switches, and has none for a few of them.
#include "tooler/pages/page_layout.h"

namespace kmpx::pages::help {

// Informing about the compile.
inline constexpr OptionHelp kEstimate{"ESTIMATE", "Показывать оценку оставшегося времени компиляции (-estimate)"};
inline constexpr OptionHelp kNolog{"NOLOG", "Не создавать файл отчёта компиляции .log (-nolog)"};
inline constexpr OptionHelp kChart{"CHART", "Выводить таблицу использования памяти карты (-chart)"};
inline constexpr OptionHelp kVerbose{"VERBOSE", "Подробный вывод сведений о компиляции (-verbose)"};
inline constexpr OptionHelp kNoinfo{"NOINFO", "Не выводить сводку параметров компиляции (-noinfo)"};
inline constexpr OptionHelp kDev{"DEV", "Уровень вывода отладочных сообщений (-dev)"};

// The compile process.
inline constexpr OptionHelp kThreads{"THREADS", "Число потоков компиляции (-threads)"};
inline constexpr OptionHelp kTexdata{"TEXDATA", "Объём памяти для текстур, Кб (-texdata)"};
inline constexpr OptionHelp kPriority{"PRIORITY", "Приоритет процесса компиляции (-low, -high)"};

inline constexpr OptionHelp kAdditional{"", "Дополнительные опции командной строки, которых нет на странице"};

// CSG.
inline constexpr OptionHelp kNoclipCsg{"NOCLIP_CSG", "Не создавать оболочки отсечения (-noclip)"};
inline constexpr OptionHelp kOnlyents{"ONLYENTS", "Обновить только объекты карты (-onlyents)"};
inline constexpr OptionHelp kNoclipeconomy{"NOCLIPECONOMY", "Не экономить оболочки отсечения (-noclipeconomy)"};
inline constexpr OptionHelp kHullfile{"HULLFILE", "Файл размеров оболочек отсечения (-hullfile)"};
inline constexpr OptionHelp kNoskyclip{"NOSKYCLIP", "Не отсекать грани неба (-noskyclip)"};
inline constexpr OptionHelp kDraw{"", "Показывать ход компиляции в окне (-draw)"};
inline constexpr OptionHelp kGlview{"", "Создать файлы для просмотра в GLView (-glview)"};
inline constexpr OptionHelp kV{"", "Подробный вывод (-v)"};
inline constexpr OptionHelp kWadautodetect{"WADAUTODETECT",
                                           "Подключать только файлы текстур, используемые картой (-wadautodetect)"};
inline constexpr OptionHelp kWadcfgfile{"WADCFGFILE", "Каталог файла wad.cfg (-wadcfgfile)"};
inline constexpr OptionHelp kWadinclude{"WADINCLUDE", "Включить в BSP текстуры файлов из списка (-wadinclude)"};
inline constexpr OptionHelp kNowadtextures{"NOWADTEXTURES", "Включить все используемые текстуры в BSP (-nowadtextures)"};
inline constexpr OptionHelp kWadconfig{"WADCONFIG", "Подключить группу файлов текстур из wad.cfg (-wadconfig)"};
inline constexpr OptionHelp kTiny{"TINY", "Наименьшая площадь грани: меньшие грани удаляются (-tiny)"};
inline constexpr OptionHelp kBrushunion{"BRUSHUNION", "Порог сообщений о пересечении брашей, % (-brushunion)"};
inline constexpr OptionHelp kNonulltexCsg{"NONULLTEX_CSG", "Не удалять грани с текстурой NULL (-nonulltex)"};

// BSP.
inline constexpr OptionHelp kNotjunc{"NOTJUNC", "Не устранять Т-образные стыки граней (-notjunc)"};
inline constexpr OptionHelp kSubdivide{"SUBDIVIDE", "Размер разбиения граней (-subdivide)"};
inline constexpr OptionHelp kMaxnodesize{"MAXNODESIZE", "Наибольший размер узла разбиения (-maxnodesize)"};
inline constexpr OptionHelp kNoclipBsp{"NOCLIP_BSP", "Не создавать оболочки отсечения (-noclip)"};
inline constexpr OptionHelp kNofill{"NOFILL", "Не заполнять пространство вне карты (-nofill)"};
inline constexpr OptionHelp kLeakonly{"LEAKONLY", "Только искать утечки, не создавая BSP (-leakonly)"};
inline constexpr OptionHelp kNonulltexBsp{"", "Не удалять грани с текстурой NULL (-nonulltex)"};
inline constexpr OptionHelp kNogfix{"", "Не исправлять геометрию граней (-nogfix)"};
inline constexpr OptionHelp kWatervis{"", "Видимость сквозь воду (-watervis)"};

// VIS and NETVIS.
inline constexpr OptionHelp kMaxdistance{"MAXDISTANCE", "Наибольшая дальность видимости (-maxdistance)"};
inline constexpr OptionHelp kVisMode{"MODES_VIS", "Режим расчёта видимости: обычный, быстрый (-fast) или полный (-full)"};
inline constexpr OptionHelp kLevel{"", "Уровень расчёта видимости (-level)"};
inline constexpr OptionHelp kServer{"CLIENTSERVER", "Запустить сервер распределённого расчёта (-server)"};
inline constexpr OptionHelp kConnect{"CLIENTSERVER", "Подключиться к серверу по имени или IP-адресу (-connect)"};
inline constexpr OptionHelp kPort{"SPECPORT", "Порт сетевого соединения (-port)"};
inline constexpr OptionHelp kRate{"NETDISPLAYRATE", "Частота вывода сведений о ходе расчёта, с (-rate)"};

// RAD.
inline constexpr OptionHelp kSparse{"SPARSE", "Сжатая матрица видимости (-sparse)"};
inline constexpr OptionHelp kNomatrix{"NOMATRIX", "Расчёт без матрицы видимости (-nomatrix)"};
inline constexpr OptionHelp kExtra{"EXTRA", "Повышенное качество освещения (-extra)"};
inline constexpr OptionHelp kCircus{"CIRCUS", "Подсветить неосвещённые участки (-circus)"};
inline constexpr OptionHelp kBounce{"BOUNCE", "Число отражений света (-bounce)"};
inline constexpr OptionHelp kMaxlight{"MAXLIGHT", "Предел яркости освещения (-maxlight)"};
inline constexpr OptionHelp kDlight{"DLIGHT", "Порог прямого освещения (-dlight)"};
inline constexpr OptionHelp kSmooth{"SMOOTH", "Угол сглаживания освещения, градусы (-smooth)"};
inline constexpr OptionHelp kCoring{"CORING", "Порог отбрасывания слабого света (-coring)"};
inline constexpr OptionHelp kNolerp{"NOLERP", "Без интерполяции освещения (-nolerp)"};
inline constexpr OptionHelp kDscale{"DSCALE", "Масштаб прямого освещения (-dscale)"};
inline constexpr OptionHelp kNoskyfix{"NOSKYFIX", "Без исправления освещения от неба (-noskyfix)"};
inline constexpr OptionHelp kNospotpoints{"NOSPOTPOINTS", "Не превращать направленные источники в точечные (-nospotpoints)"};
inline constexpr OptionHelp kFade{"FADE", "Затухание света источников (-fade)"};
inline constexpr OptionHelp kFadeGlobal{"_FADE", "Затухание света по умолчанию (-_fade)"};
inline constexpr OptionHelp kFalloff{"FALLOFF", "Закон затухания света источников (-falloff)"};
inline constexpr OptionHelp kFalloffGlobal{"_FALLOFF", "Закон затухания света по умолчанию (-_falloff)"};
inline constexpr OptionHelp kScale{"SCALE", "Масштаб освещения (-scale)"};
inline constexpr OptionHelp kGamma{"GAMMA", "Гамма освещения (-gamma)"};
inline constexpr OptionHelp kSky{"SKY", "Множитель света неба (-sky)"};
inline constexpr OptionHelp kNodiffuse{"NODIFFUSE", "Без рассеянного света неба (-nodiffuse)"};
inline constexpr OptionHelp kAmbient{"AMBIENT", "Фоновое освещение: красный, зелёный, синий (-ambient)"};
inline constexpr OptionHelp kColourgamma{"COLOURGAMMA", "Гамма по цветам: красный, зелёный, синий (-colourgamma)"};
inline constexpr OptionHelp kColourscale{"COLOURSCALE", "Масштаб освещения по цветам: красный, зелёный, синий (-colourscale)"};
inline constexpr OptionHelp kColourjitter{"COLOURJITTER", "Случайные отклонения цвета освещения (-colourjitter)"};
inline constexpr OptionHelp kJitter{"JITTER", "Случайные отклонения яркости освещения (-jitter)"};
inline constexpr OptionHelp kSoftlight{"SOFTLIGHT", "Мягкое освещение: красный, зелёный, синий, дальность (-softlight)"};
inline constexpr OptionHelp kNopaque{"NOPAQUE", "Объекты не отбрасывают тень (-nopaque)"};
inline constexpr OptionHelp kLightOrigin{"LIGHT_ORIGIN", "Учитывать light_origin объектов (-light_origin)"};
inline constexpr OptionHelp kKmpxLightflags{"KMPX_LIGHTFLAGS", "Учитывать флаги освещения объектов (-kmpx_lightflags)"};
inline constexpr OptionHelp kChop{"CHOP", "Размер патча освещения (-chop)"};
inline constexpr OptionHelp kTexchop{"TEXCHOP", "Размер патча светящихся текстур (-texchop)"};
inline constexpr OptionHelp kNotexscale{"NOTEXSCALE", "Не масштабировать патчи по масштабу текстур (-notexscale)"};
inline constexpr OptionHelp kDump{"DUMP", "Записать патчи в файлы для отладки (-dump)"};
inline constexpr OptionHelp kCustomshadowwithbounce{"CUSTOMSHADOWWITHBOUNCE",
                                                    "Тени объектов учитываются при отражениях (-customshadowwithbounce)"};
inline constexpr OptionHelp kRgbtransfers{"RGBTRANSFERS", "Цветные переносы света (-rgbtransfers)"};
inline constexpr OptionHelp kMaxchop{"", "Наибольший размер патча освещения (-maxchop)"};
inline constexpr OptionHelp kLights{"LIGHTS", "Файл описания светящихся текстур (-lights)"};
inline constexpr OptionHelp kIncremental{"INCREMENTAL", "Использовать сохранённые переносы света (-incremental)"};
inline constexpr OptionHelp kInc{"", "Расчёт с учётом прошлых результатов (-inc)"};
inline constexpr OptionHelp kTerse{"", "Краткий вывод (-terse)"};

// Containers without a switch: only the page's topic.
inline constexpr OptionHelp kNone{"", ""};

}  // namespace kmpx::pages::help
