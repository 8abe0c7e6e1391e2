#include "EndingRules.h"

#include <algorithm>

namespace ortelia {

namespace {

constexpr WordKind V = WordKind::Verb;
constexpr WordKind N = WordKind::Noun;
constexpr WordKind A = WordKind::Any;

// What is left of a word without its ending is at least this long: "es" is no form of "e".
constexpr int kMinStem = 2;

// French. Plurals and feminines before the verb endings they share ("portes": porte before porter);
// -er verbs, the most, before -re and -ir.
constexpr EndingRules::Rule kFrench[] = {
    {u"eaux", {u"eau"}, N},
    {u"aux", {u"al", u"au"}, N},
    {u"x", {u""}, N},
    {u"euses", {u"eux", u"eur"}, A},
    {u"euse", {u"eux", u"eur"}, A},
    {u"trices", {u"teur"}, N},
    {u"trice", {u"teur"}, N},
    {u"ives", {u"if"}, A},
    {u"ive", {u"if"}, A},
    {u"ères", {u"er"}, A},
    {u"ère", {u"er"}, A},
    {u"ennes", {u"en"}, A},
    {u"enne", {u"en"}, A},
    {u"onnes", {u"on"}, A},
    {u"onne", {u"on"}, A},
    {u"elles", {u"el"}, A},
    {u"elle", {u"el"}, A},
    {u"ettes", {u"et"}, A},
    {u"ette", {u"et"}, A},
    {u"ées", {u"er"}, V},
    {u"ée", {u"er"}, V},
    {u"és", {u"er"}, V},
    {u"é", {u"er"}, V},
    {u"issaient", {u"ir"}, V},
    {u"issions", {u"ir"}, V},
    {u"issiez", {u"ir"}, V},
    {u"issais", {u"ir"}, V},
    {u"issait", {u"ir"}, V},
    {u"issons", {u"ir"}, V},
    {u"issez", {u"ir"}, V},
    {u"issent", {u"ir"}, V},
    {u"issant", {u"ir"}, V},
    {u"isses", {u"ir"}, V},
    {u"isse", {u"ir"}, V},
    {u"eraient", {u"er"}, V},
    {u"iraient", {u"ir"}, V},
    {u"raient", {u"re"}, V},
    {u"erions", {u"er"}, V},
    {u"irions", {u"ir"}, V},
    {u"rions", {u"re"}, V},
    {u"eriez", {u"er"}, V},
    {u"iriez", {u"ir"}, V},
    {u"riez", {u"re"}, V},
    {u"erons", {u"er"}, V},
    {u"irons", {u"ir"}, V},
    {u"rons", {u"re"}, V},
    {u"eront", {u"er"}, V},
    {u"iront", {u"ir"}, V},
    {u"ront", {u"re"}, V},
    {u"erais", {u"er"}, V},
    {u"irais", {u"ir"}, V},
    {u"rais", {u"re"}, V},
    {u"erait", {u"er"}, V},
    {u"irait", {u"ir"}, V},
    {u"rait", {u"re"}, V},
    {u"erez", {u"er"}, V},
    {u"irez", {u"ir"}, V},
    {u"rez", {u"re"}, V},
    {u"erai", {u"er"}, V},
    {u"irai", {u"ir"}, V},
    {u"rai", {u"re"}, V},
    {u"eras", {u"er"}, V},
    {u"iras", {u"ir"}, V},
    {u"ras", {u"re"}, V},
    {u"era", {u"er"}, V},
    {u"ira", {u"ir"}, V},
    {u"èrent", {u"er"}, V},
    {u"irent", {u"ir", u"re"}, V},
    {u"urent", {u"re", u"oir"}, V},
    {u"âmes", {u"er"}, V},
    {u"âtes", {u"er"}, V},
    {u"ât", {u"er"}, V},
    {u"îmes", {u"ir", u"re"}, V},
    {u"îtes", {u"ir", u"re"}, V},
    {u"ûmes", {u"re", u"oir"}, V},
    {u"ûtes", {u"re", u"oir"}, V},
    {u"aient", {u"er", u"re", u"ir"}, V},
    {u"ais", {u"er", u"re", u"ir"}, V},
    {u"ait", {u"er", u"re", u"ir"}, V},
    {u"ions", {u"er", u"re", u"ir"}, V},
    {u"iez", {u"er", u"re", u"ir"}, V},
    {u"ant", {u"er", u"re", u"ir"}, V},
    {u"ons", {u"er", u"re", u"ir"}, V},
    {u"ez", {u"er", u"re", u"ir"}, V},
    {u"ent", {u"er", u"re", u"ir"}, V},
    {u"ai", {u"er"}, V},
    {u"ies", {u"ir"}, V},
    {u"ie", {u"ir"}, V},
    {u"ues", {u"re", u"oir"}, V},
    {u"ue", {u"re", u"oir"}, V},
    {u"us", {u"re", u"oir"}, V},
    {u"u", {u"re", u"oir"}, V},
    {u"ds", {u"dre"}, V},
    {u"d", {u"dre"}, V},
    {u"es", {u"e", u"", u"er"}, A},
    {u"s", {u""}, N},
    {u"e", {u"", u"er"}, A},
    {u"is", {u"ir"}, V},
    {u"it", {u"ir", u"re"}, V},
    {u"i", {u"ir"}, V},
    {u"a", {u"er"}, V},
};
constexpr const char16_t *kFrenchInfinitives[] = {u"er", u"ir", u"re"};

// Italian. The participles and the tenses' endings first, then the plurals and feminines, then the
// short present endings that many nouns share.
constexpr EndingRules::Rule kItalian[] = {
    {u"ato", {u"are"}, V},
    {u"ata", {u"are"}, V},
    {u"ati", {u"are"}, V},
    {u"uto", {u"ere"}, V},
    {u"uta", {u"ere"}, V},
    {u"uti", {u"ere"}, V},
    {u"ute", {u"ere"}, V},
    {u"ito", {u"ire"}, V},
    {u"ita", {u"ire"}, V},
    {u"iti", {u"ire"}, V},
    {u"ando", {u"are"}, V},
    {u"endo", {u"ere", u"ire"}, V},
    {u"iscono", {u"ire"}, V},
    {u"iscano", {u"ire"}, V},
    {u"isco", {u"ire"}, V},
    {u"isci", {u"ire"}, V},
    {u"isce", {u"ire"}, V},
    {u"isca", {u"ire"}, V},
    {u"avamo", {u"are"}, V},
    {u"avate", {u"are"}, V},
    {u"avano", {u"are"}, V},
    {u"avo", {u"are"}, V},
    {u"avi", {u"are"}, V},
    {u"ava", {u"are"}, V},
    {u"evamo", {u"ere"}, V},
    {u"evate", {u"ere"}, V},
    {u"evano", {u"ere"}, V},
    {u"evo", {u"ere"}, V},
    {u"evi", {u"ere"}, V},
    {u"eva", {u"ere"}, V},
    {u"ivamo", {u"ire"}, V},
    {u"ivate", {u"ire"}, V},
    {u"ivano", {u"ire"}, V},
    {u"ivo", {u"ire"}, V},
    {u"ivi", {u"ire"}, V},
    {u"iva", {u"ire"}, V},
    {u"erebbero", {u"are", u"ere"}, V},
    {u"irebbero", {u"ire"}, V},
    {u"erebbe", {u"are", u"ere"}, V},
    {u"irebbe", {u"ire"}, V},
    {u"eresti", {u"are", u"ere"}, V},
    {u"iresti", {u"ire"}, V},
    {u"eremmo", {u"are", u"ere"}, V},
    {u"iremmo", {u"ire"}, V},
    {u"ereste", {u"are", u"ere"}, V},
    {u"ireste", {u"ire"}, V},
    {u"eranno", {u"are", u"ere"}, V},
    {u"iranno", {u"ire"}, V},
    {u"eremo", {u"are", u"ere"}, V},
    {u"iremo", {u"ire"}, V},
    {u"erete", {u"are", u"ere"}, V},
    {u"irete", {u"ire"}, V},
    {u"erei", {u"are", u"ere"}, V},
    {u"irei", {u"ire"}, V},
    {u"erai", {u"are", u"ere"}, V},
    {u"irai", {u"ire"}, V},
    {u"erò", {u"are", u"ere"}, V},
    {u"irò", {u"ire"}, V},
    {u"erà", {u"are", u"ere"}, V},
    {u"irà", {u"ire"}, V},
    {u"assimo", {u"are"}, V},
    {u"assero", {u"are"}, V},
    {u"essimo", {u"ere"}, V},
    {u"essero", {u"ere"}, V},
    {u"issimo", {u"ire"}, V},
    {u"issero", {u"ire"}, V},
    {u"assi", {u"are"}, V},
    {u"asse", {u"are"}, V},
    {u"essi", {u"ere"}, V},
    {u"esse", {u"ere"}, V},
    {u"issi", {u"ire"}, V},
    {u"isse", {u"ire"}, V},
    {u"arono", {u"are"}, V},
    {u"erono", {u"ere"}, V},
    {u"irono", {u"ire"}, V},
    {u"asti", {u"are"}, V},
    {u"esti", {u"ere"}, V},
    {u"isti", {u"ire"}, V},
    {u"ammo", {u"are"}, V},
    {u"emmo", {u"ere"}, V},
    {u"immo", {u"ire"}, V},
    {u"aste", {u"are"}, V},
    {u"este", {u"ere"}, V},
    {u"iste", {u"ire"}, V},
    {u"iamo", {u"are", u"ere", u"ire"}, V},
    {u"iate", {u"are", u"ere", u"ire"}, V},
    {u"ino", {u"are"}, V},
    {u"ò", {u"are"}, V},
    {u"ì", {u"ire"}, V},
    {u"chi", {u"co"}, N},
    {u"ghi", {u"go"}, N},
    {u"che", {u"ca"}, A},
    {u"ghe", {u"ga"}, A},
    {u"ci", {u"co", u"ce", u"cio"}, N},
    {u"gi", {u"go", u"ge", u"gio"}, N},
    {u"i", {u"o", u"e", u"a"}, N},
    {u"e", {u"a", u"o", u"ere", u"ire"}, A},
    {u"a", {u"o", u"are"}, A},
    {u"ate", {u"are"}, V},
    {u"ete", {u"ere"}, V},
    {u"ite", {u"ire"}, V},
    {u"ano", {u"are"}, V},
    {u"ono", {u"ere", u"ire"}, V},
    {u"i", {u"are", u"ere", u"ire"}, V},
    {u"o", {u"are", u"ere", u"ire"}, V},
};
constexpr const char16_t *kItalianInfinitives[] = {u"are", u"ere", u"ire", u"rre"};

// Spanish. Plurals and feminines first, then participles, the tenses and the present.
constexpr EndingRules::Rule kSpanish[] = {
    {u"ces", {u"z"}, N},
    {u"ones", {u"ón"}, N},
    {u"eses", {u"és"}, N},
    {u"es", {u""}, N},
    {u"as", {u"a", u"o"}, A},
    {u"os", {u"o"}, A},
    {u"s", {u""}, N},
    {u"ado", {u"ar"}, V},
    {u"ada", {u"ar"}, V},
    {u"ados", {u"ar"}, V},
    {u"adas", {u"ar"}, V},
    {u"ido", {u"er", u"ir"}, V},
    {u"ida", {u"er", u"ir"}, V},
    {u"idos", {u"er", u"ir"}, V},
    {u"idas", {u"er", u"ir"}, V},
    {u"ando", {u"ar"}, V},
    {u"iendo", {u"er", u"ir"}, V},
    {u"ábamos", {u"ar"}, V},
    {u"abais", {u"ar"}, V},
    {u"aban", {u"ar"}, V},
    {u"abas", {u"ar"}, V},
    {u"aba", {u"ar"}, V},
    {u"íamos", {u"er", u"ir"}, V},
    {u"íais", {u"er", u"ir"}, V},
    {u"ían", {u"er", u"ir"}, V},
    {u"ías", {u"er", u"ir"}, V},
    {u"ía", {u"er", u"ir"}, V},
    {u"remos", {u"r"}, V},
    {u"réis", {u"r"}, V},
    {u"rán", {u"r"}, V},
    {u"rás", {u"r"}, V},
    {u"rá", {u"r"}, V},
    {u"ré", {u"r"}, V},
    {u"ríamos", {u"r"}, V},
    {u"ríais", {u"r"}, V},
    {u"rían", {u"r"}, V},
    {u"rías", {u"r"}, V},
    {u"ría", {u"r"}, V},
    {u"áramos", {u"ar"}, V},
    {u"arais", {u"ar"}, V},
    {u"aran", {u"ar"}, V},
    {u"aras", {u"ar"}, V},
    {u"ara", {u"ar"}, V},
    {u"ásemos", {u"ar"}, V},
    {u"aseis", {u"ar"}, V},
    {u"asen", {u"ar"}, V},
    {u"ases", {u"ar"}, V},
    {u"ase", {u"ar"}, V},
    {u"iéramos", {u"er", u"ir"}, V},
    {u"ierais", {u"er", u"ir"}, V},
    {u"ieran", {u"er", u"ir"}, V},
    {u"ieras", {u"er", u"ir"}, V},
    {u"iera", {u"er", u"ir"}, V},
    {u"iésemos", {u"er", u"ir"}, V},
    {u"ieseis", {u"er", u"ir"}, V},
    {u"iesen", {u"er", u"ir"}, V},
    {u"ieses", {u"er", u"ir"}, V},
    {u"iese", {u"er", u"ir"}, V},
    {u"asteis", {u"ar"}, V},
    {u"aron", {u"ar"}, V},
    {u"aste", {u"ar"}, V},
    {u"isteis", {u"er", u"ir"}, V},
    {u"ieron", {u"er", u"ir"}, V},
    {u"iste", {u"er", u"ir"}, V},
    {u"ió", {u"er", u"ir"}, V},
    {u"ó", {u"ar"}, V},
    {u"é", {u"ar"}, V},
    {u"í", {u"er", u"ir"}, V},
    {u"amos", {u"ar"}, V},
    {u"áis", {u"ar"}, V},
    {u"an", {u"ar"}, V},
    {u"emos", {u"er", u"ar"}, V},
    {u"éis", {u"er", u"ar"}, V},
    {u"imos", {u"ir"}, V},
    {u"ís", {u"ir"}, V},
    {u"en", {u"er", u"ir", u"ar"}, V},
    {u"es", {u"er", u"ir", u"ar"}, V},
    {u"as", {u"ar", u"er", u"ir"}, V},
    {u"a", {u"o", u"ar", u"er"}, A},
    {u"e", {u"er", u"ir", u"ar"}, V},
    {u"o", {u"ar", u"er", u"ir"}, V},
};
constexpr const char16_t *kSpanishInfinitives[] = {u"ar", u"er", u"ir", u"ír"};

// Greek. Noun and adjective endings, then the present of the verbs (γράφω, μιλάω/μιλώ, έρχομαι);
// a past tense's augment and changed stem are left to the table of irregular forms.
constexpr EndingRules::Rule kGreek[] = {
    {u"ματα", {u"μα"}, N},
    {u"άδες", {u"άς", u"ά"}, N},
    {u"ήδες", {u"ής"}, N},
    {u"ούδες", {u"ούς"}, N},
    {u"έδες", {u"ές"}, N},
    {u"εις", {u"η", u"ω"}, A},
    {u"οι", {u"ος"}, N},
    {u"ους", {u"ος"}, N},
    {u"ού", {u"ός"}, N},
    {u"ου", {u"ος", u"ο", u"ης"}, N},
    {u"ιά", {u"ί"}, N},
    {u"ια", {u"ι"}, N},
    {u"ές", {u"ή", u"ά", u"ός"}, A},
    {u"ες", {u"α", u"ας", u"η", u"ος"}, A},
    {u"ής", {u"ή"}, N},
    {u"ης", {u"η"}, N},
    {u"άς", {u"ά", u"άω", u"ώ"}, A},
    {u"ας", {u"α"}, N},
    {u"ή", {u"ός"}, A},
    {u"η", {u"ος"}, A},
    {u"ό", {u"ός"}, A},
    {u"ά", {u"ός", u"ό", u"άω"}, A},
    {u"α", {u"ο", u"ος", u"ι"}, A},
    {u"ο", {u"ος"}, A},
    {u"ουμε", {u"ω"}, V},
    {u"ουνε", {u"ω"}, V},
    {u"ουν", {u"ω"}, V},
    {u"ετε", {u"ω"}, V},
    {u"οντας", {u"ω"}, V},
    {u"ει", {u"ω"}, V},
    {u"ούμε", {u"ώ", u"άω"}, V},
    {u"ούνε", {u"ώ", u"άω"}, V},
    {u"ούν", {u"ώ", u"άω"}, V},
    {u"είτε", {u"ώ"}, V},
    {u"είς", {u"ώ"}, V},
    {u"εί", {u"ώ"}, V},
    {u"ώντας", {u"ώ", u"άω"}, V},
    {u"ούσαμε", {u"ώ", u"άω"}, V},
    {u"ούσατε", {u"ώ", u"άω"}, V},
    {u"ούσαν", {u"ώ", u"άω"}, V},
    {u"ούσες", {u"ώ", u"άω"}, V},
    {u"ούσε", {u"ώ", u"άω"}, V},
    {u"ούσα", {u"ώ", u"άω"}, V},
    {u"άμε", {u"άω", u"ώ"}, V},
    {u"άτε", {u"άω", u"ώ"}, V},
    {u"άνε", {u"άω", u"ώ"}, V},
    {u"άει", {u"άω", u"ώ"}, V},
    {u"όμαστε", {u"ομαι"}, V},
    {u"όσαστε", {u"ομαι"}, V},
    {u"ονται", {u"ομαι"}, V},
    {u"εσαι", {u"ομαι"}, V},
    {u"εται", {u"ομαι"}, V},
    {u"εστε", {u"ομαι"}, V},
    {u"ούνται", {u"άμαι"}, V},
    {u"άσαι", {u"άμαι"}, V},
    {u"άται", {u"άμαι"}, V},
};
constexpr const char16_t *kGreekInfinitives[] = {u"ω", u"ώ", u"μαι"};

} // namespace

EndingRules::EndingRules(std::span<const Rule> rules, std::span<const char16_t *const> infinitives)
    : m_rules(rules), m_infinitives(infinitives)
{
}

const EndingRules *EndingRules::forLanguage(const QString &language)
{
    static const EndingRules french(kFrench, kFrenchInfinitives);
    static const EndingRules italian(kItalian, kItalianInfinitives);
    static const EndingRules spanish(kSpanish, kSpanishInfinitives);
    static const EndingRules greek(kGreek, kGreekInfinitives);
    const QString code = language.left(2).toLower();
    if (code == u"fr")
        return &french;
    if (code == u"it")
        return &italian;
    if (code == u"es")
        return &spanish;
    if (code == u"el")
        return &greek;
    return nullptr;
}

QList<BaseCandidate> EndingRules::candidates(const QString &word) const
{
    QList<BaseCandidate> list;
    for (const Rule &rule : m_rules) {
        const QStringView ending(rule.ending);
        if (!word.endsWith(ending) || word.size() - ending.size() < kMinStem)
            continue;
        const QStringView stem = QStringView(word).chopped(ending.size());
        for (const char16_t *base : rule.bases) {
            if (!base)
                break;
            const QString candidate = stem.toString().append(QStringView(base));
            const bool listed = std::any_of(list.cbegin(), list.cend(),
                                            [&candidate](const BaseCandidate &c) { return c.base == candidate; });
            if (candidate != word && !listed)
                list.append({candidate, rule.kind});
        }
    }
    return list;
}

WordKind EndingRules::kindOfIrregular(const QString &base) const
{
    for (const char16_t *ending : m_infinitives) {
        if (base.endsWith(QStringView(ending)))
            return WordKind::Verb;
    }
    return WordKind::Any;
}

} // namespace ortelia
