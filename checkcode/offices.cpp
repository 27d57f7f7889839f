#include "checkcode/offices.h"

namespace checkcode {
namespace {

// Ten entries a line; each line starts with the indices of its first and last entry.
// clang-format off
constexpr OfficeTable kOffices{
    /*     0-9 */ "0100 Agrigento", "2791 Alba C.O", "0200 Alessandria", "0300 Ancona", "0901 Andria", "7095 Anzio", "0400 Aosta", "0500 Arezzo", "0890 Ariano Irpino", "0600 Ascoli Piceno",
    /*   10-19 */ "0700 Asti", "0800 Avellino", "2001 Aversa", "3802 Avezzano", "4892 Barcellona Pozzo Di Gotto", "0900 Bari", "7202 Battipaglia", "1000 Belluno", "1100 Benevento", "1200 Bergamo",
    /*   20-29 */ "8901 Biella", "1300 Bologna", "1400 Bolzano", "1500 Brescia", "1600 Brindisi", "8790 Busto Arsizio C.O.", "1700 Cagliari", "2190 Caltagirone", "1800 Caltanissetta", "1900 Campobasso",
    /*   30-39 */ "2490 Cantu'", "4101 Casarano", "2000 Caserta", "3301 Cassino", "5101 Castellammare Di Stabia", "2591 Castrovillari", "2100 Catania", "2200 Catanzaro", "8691 Cervignano Del Friuli", "3290 Cesena C.O.",
    /*   40-49 */ "1595 Chiari", "8192 Chieri", "2300 Chieti", "8891 Chioggia", "8193 Chivasso", "5801 Citta' Di Castello", "5490 Cittadella", "7006 Civitavecchia", "8106 Collegno", "2400 Como",
    /*   50-59 */ "8490 Conegliano C.O.", "2500 Cosenza", "2600 Cremona", "2203 Crotone", "2700 Cuneo", "4995 Desio (C.O.)", "3090 Empoli C.O", "2800 Enna", "5992 Fano", "0690 Fermo",
    /*   60-69 */ "2900 Ferrara", "3000 Firenze", "3100 Foggia", "5890 Foligno", "3200 Forli'", "3300 Frosinone", "3400 Genova", "0993 Gioia Del Colle", "5199 Giugliano", "3500 Gorizia",
    /*   70-79 */ "3600 Grosseto", "7074 Grottaferrata", "6891 Guastalla", "7099 Guidonia", "1701 Iglesias", "1301 Imola", "3700 Imperia", "9400 Isernia", "8102 Ivrea", "0391 Jesi",
    /*   80-89 */ "3800 L'Aquila", "3900 La Spezia", "2201 Lamezia Terme", "4000 Latina", "4100 Lecce", "2401 Lecco", "9090 Legnago", "4200 Livorno", "6791 Locri", "4927 Lodi",
    /*   90-99 */ "4300 Lucca", "6691 Lugo", "4400 Macerata", "7890 Manduria", "1594 Manerbio", "4500 Mantova", "4600 Massa Carrara", "4700 Matera", "4991 Melegnano", "6490 Melfi",
    /* 100-109 */ "1491 Merano", "4800 Messina", "8894 Mestre1", "4900 Milano", "4905 Milano Corvetto", "4904 Milano Fiori", "4908 Milano Legnano", "4903 Milano Missori", "4902 Milano Nord", "4909 Milano Seregno (C.O.)",
    /* 110-119 */ "5000 Modena", "6590 Modica", "8101 Moncalieri", "2792 Mondovi'", "7094 Monterotondo", "4901 Monza", "5100 Napoli", "5103 Napoli Arzano", "5104 Napoli Soccavo", "5105 Napoli Vomero",
    /* 120-129 */ "4190 Nardo'", "7201 Nocera Inferiore", "5102 Nola", "7601 Noto", "5200 Novara", "5300 Nuoro", "7390 Olbia", "8191 Orbassano", "9500 Oristano", "5400 Padova",
    /* 130-139 */ "5500 Palermo", "5502 Palermo Sud Ovest", "7096 Palestrina", "6790 Palmi", "2590 Paola", "5600 Parma", "5700 Pavia", "5800 Perugia", "5900 Pesaro", "6000 Pescara",
    /* 140-149 */ "6100 Piacenza", "8105 Pinerolo", "4201 Piombino", "6200 Pisa", "6300 Pistoia", "7015 Pomezia", "9300 Pordenone", "6400 Potenza", "5106 Pozzuoli", "3001 Prato",
    /* 150-159 */ "1791 Quartu Sant'Elena", "6500 Ragusa", "6600 Ravenna", "6700 Reggio Calabria", "6800 Reggio Emilia", "6900 Rieti", "3201 Rimini", "7000 Roma", "7012 Roma Aurelio", "7009 Roma Casilino Prenestino",
    /* 160-169 */ "7005 Roma Centro", "7001 Roma Eur", "7014 Roma Flaminio", "7004 Roma Montesacro", "7002 Roma Monteverde", "7003 Roma Ostia Lido", "7013 Roma Tiburtino", "7010 Roma Tuscolano", "2501 Rossano Calabro", "7100 Rovigo",
    /* 170-179 */ "7200 Salerno", "8801 San Dona' Di Piave", "1393 San Lazzaro Di Savena", "3191 San Severo", "4891 Santa Teresa Di Riva", "7300 Sassari", "5094 Sassuolo", "7400 Savona", "3093 Scandicci", "0101 Sciacca",
    /* 180-189 */ "3094 Sesto Fiorentino", "3401 Sestri Levante", "3402 Sestri Ponente", "7500 Siena", "7600 Siracusa", "7700 Sondrio", "3801 Sulmona", "7800 Taranto", "7900 Teramo", "1990 Termoli",
    /* 190-199 */ "8000 Terni", "4091 Terracina", "7091 Tivoli", "8100 Torino", "8110 Torino Lingotto", "8103 Torino Nord", "8104 Torino Sud", "8200 Trapani", "8300 Trento", "8400 Treviso",
    /* 200-209 */ "8500 Trieste", "8600 Udine", "5290 V.C.O. - Verbano Cusio Ossola", "8700 Varese", "2391 Vasto", "7092 Velletri", "8800 Venezia", "8900 Vercelli", "9000 Verona", "2202 Vibo Valenzia",
    /* 210-213 */ "9100 Vicenza", "5791 Vigevano", "4979 Vimercate", "9200 Viterbo",
};
// clang-format on

} // namespace

OfficeTable BuildOfficeTable() {
    return kOffices;
}

std::vector<std::string_view> FindOffices(std::string_view number) {
    std::vector<std::string_view> found;
    LookupOffices(number, [&found](std::string_view entry) { found.push_back(entry); });
    return found;
}

} // namespace checkcode
