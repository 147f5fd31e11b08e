// The workflow of the workbench window: after each command, which buttons
// are offered, which frames are usable, what the picture's tool tip says and
// what the count label shows.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "workbench/ui/start_wavelet_fixture.h"
#include "workbench/ui/up_down.h"

namespace {

struct Etat {
  std::vector<std::string> montres;  // buttons shown
  std::vector<std::string> actifs;   // frames and fields enabled
  std::string infobulle;             // tool tip of Picture1
  std::string label13;
};

struct Etape {
  std::string commande;
  std::function<void(StartWaveletTest&)> faire;
  Etat attendu;
};

const char* const kSelectionnez = "Selectionnez tout ou partie du signal";
const char* const kFaite = "La selection est faite : Les filtres sont disponibles";

}  // namespace

class EtatsTest : public StartWaveletTest {
 public:
  Etat Lu() const {
    const std::pair<const char*, QWidget*> champs[] = {
        {"DataFiltres", w->DataFiltres},
        {"Windows", w->Windows},
        {"Un_sur_ou_Moyenne", w->Un_sur_ou_Moyenne},
        {"Text7", w->Text7},
        {"Text6", w->Text6},
    };
    Etat e;
    e.montres = BoutonsMontres();
    for (auto [nom, c] : champs) {
      if (c->isEnabled()) e.actifs.push_back(nom);
    }
    e.infobulle = w->Picture1->toolTip().toStdString();
    e.label13 = w->Label13->text().toStdString();
    return e;
  }
};

TEST_F(EtatsTest, ControlsHaveTheirCaptionsAndDefaultsAtStartUp) {
  EXPECT_EQ(w->windowTitle(), "Start_Wavelet");
  EXPECT_EQ(w->Fichier->title(), "Fichier");
  EXPECT_EQ(w->Texte->text(), "Texte");
  EXPECT_EQ(w->Waves->text(), "Waves");
  EXPECT_EQ(w->FIN->text(), "FIN");
  const std::pair<QString, QString> textes[] = {
      {w->Label1->text(), "Fichier:"},
      {w->Label2->text(), "Aucun Fichier"},
      {w->Label11->text(), "Nreel ="},
      {w->Label12->text(), " 0"},
      {w->Label8->text(), "Nmax="},
      {w->Label13->text(), " 0"},
      {w->Label3->text(), "<30000"},
      {w->Label10->text(), ""},
      {w->Tout->text(), "Totalité"},
      {w->Selection->text(), "Select partie"},
      {w->Reset->text(), "Reset"},
      {w->DataFiltres->title(), "Data Filtres"},
      {w->Un_sur_ou_Moyenne->text(), "Prendre une mesure toutes les :"},
      {w->Text7->text(), " 1"},
      {w->OptFourrier->text(), "    Filtre Fourier                        N/"},
      {w->Text6->text(), "1"},
      {w->OptionFourrierOff->text(), ""},
      {w->OK->text(), "Ok"},
      {w->Fourrier->text(), "Fourier"},
      {w->Coupure->text(), "2) Coupure bande"},
      {w->EnregistrerFiltre->text(), "1) Enregistrer Filtre"},
      {w->FinEnreg->text(), "Fin Enregistre"},
      {w->LireFiltre->text(), "Lire Filtre CB"},
      {w->Draw->text(), "Draw"},
      {w->Windows->title(), "Window"},
      {w->Cs3BHarrisMin->text(), "Cs3-BHarris-Min"},
      {w->BartlettMod->text(), "Bartlett-Mod"},
      {w->Cs2Hann->text(), "Cs2-Hann"},
      {w->Hamming->text(), "Hamming"},
      {w->Blackman->text(), "Blackman"},
      {w->None->text(), "None"},
      {w->Wavelet->text(), " Wavelet"},
      {w->Wavelets->title(), "Wavelets"},
      {w->Label4->text(), "Paramètre ="},
      {w->Text1->text(), "6"},
      {w->Label9->text(), "Scale width or dt initial = "},
      {w->Text5->text(), "5.E-6"},
      {w->Label5->text(), "Start scale"},
      {w->Text2->text(), "2"},
      {w->Label6->text(), "Subscale"},
      {w->Text3->text(), "4"},
      {w->Label7->text(), "Power of two"},
      {w->Text4->text(), "11"},
  };
  for (const auto& [lu, attendu] : textes) EXPECT_EQ(lu, attendu);
  ASSERT_EQ(w->list1->count(), 3);
  EXPECT_EQ(w->list1->itemText(0), "Morlet");
  EXPECT_EQ(w->list1->itemText(1), "Paul");
  EXPECT_EQ(w->list1->itemText(2), "Gauss");
  EXPECT_EQ(w->list1->currentIndex(), 0);
  EXPECT_TRUE(w->None->isChecked());
  EXPECT_TRUE(w->OptionFourrierOff->isChecked());
  EXPECT_FALSE(w->Picture1->OverlayVisible(1));
  EXPECT_FALSE(w->Picture1->OverlayVisible(2));
  EXPECT_EQ(w->Etat().Pas, 1);
  EXPECT_FALSE(w->Etat().Moyenne);
}

TEST_F(EtatsTest, EachCommandLeavesTheWorkflowState) {
  std::string valeurs;
  for (int i = 1; i <= 10; ++i) valeurs += std::to_string(i * i) + "\n";
  const std::string fichier = Ecrire("dix.txt", valeurs);

  const std::vector<std::string> charge = {"Selection", "Tout"};
  const std::vector<Etape> etapes = {
      {"start-up", [](StartWaveletTest&) {}, {{}, {}, "", " 0"}},
      {"load",
       [&](StartWaveletTest& t) { t.Charger(fichier); },
       {charge, {}, kSelectionnez, " 10"}},
      {"Tout",
       [](StartWaveletTest& t) { t.Cliquer(t.w->Tout); },
       {{"Reset", "Wavelet"},
        {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"},
        kFaite,
        " 10"}},
      {"type step 3",
       [](StartWaveletTest& t) { t.Taper(t.w->Text7, "3"); },
       {{"Reset", "Draw"}, {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"}, "", " 3"}},
      {"Draw",
       [](StartWaveletTest& t) { t.Cliquer(t.w->Draw); },
       {{"Reset", "Draw", "Wavelet"},
        {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"},
        "",
        " 3"}},
      {"averaging",
       [](StartWaveletTest& t) { t.Cliquer(t.w->Un_sur_ou_Moyenne); },
       {{"Reset", "Draw"}, {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"}, "", " 3"}},
      {"Draw again",
       [](StartWaveletTest& t) { t.Cliquer(t.w->Draw); },
       {{"Reset", "Draw", "Wavelet"},
        {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"},
        "",
        " 3"}},
      {"Fourier mode",
       [](StartWaveletTest& t) { t.CliquerOption(t.w->OptFourrier); },
       {{"Fourrier"}, {"DataFiltres", "Windows", "Text6"}, "", " 10"}},
      {"divisor 3",
       [](StartWaveletTest& t) { t.Taper(t.w->Text6, "3"); },
       {{"Fourrier"}, {"DataFiltres", "Windows", "Text6"}, "", " 3"}},
      {"divisor 4",
       [](StartWaveletTest& t) { t.Taper(t.w->Text6, "4"); },
       {{"Fourrier"}, {"DataFiltres", "Windows", "Text6"}, "", " 2"}},
      {"thinning mode",
       [](StartWaveletTest& t) { t.CliquerOption(t.w->OptionFourrierOff); },
       {{"Reset", "Draw", "Wavelet"},
        {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"},
        "",
        " 10"}},
      {"Reset",
       [](StartWaveletTest& t) { t.Cliquer(t.w->Reset); },
       {charge, {}, kSelectionnez, " 10"}},
      {"Select partie",
       [](StartWaveletTest& t) { t.Cliquer(t.w->Selection); },
       {charge, {}, "Cliquez sur le 1er point", " 10"}},
      {"first click",
       [](StartWaveletTest& t) { t.CliquerImage(3.0); },
       {charge, {}, "Cliquez sur le 2eme point", " 10"}},
      {"second click too close",
       [](StartWaveletTest& t) { t.CliquerImage(4.0); },
       {charge, {}, "Cliquez sur le 2eme point", " 10"}},
      {"second click",
       [](StartWaveletTest& t) { t.CliquerImage(8.0); },
       {{"Reset", "Wavelet"},
        {"DataFiltres", "Windows", "Un_sur_ou_Moyenne", "Text7"},
        kFaite,
        " 6"}},
      {"load again",
       [&](StartWaveletTest& t) { t.Charger(fichier); },
       {charge, {}, kSelectionnez, " 10"}},
  };
  for (const Etape& e : etapes) {
    SCOPED_TRACE(e.commande);
    e.faire(*this);
    const Etat lu = Lu();
    EXPECT_EQ(lu.montres, e.attendu.montres);
    EXPECT_EQ(lu.actifs, e.attendu.actifs);
    EXPECT_EQ(lu.infobulle, e.attendu.infobulle);
    EXPECT_EQ(lu.label13, e.attendu.label13);
  }
  EXPECT_TRUE(tp.messages.shown.empty());
}
