#include "dialogs/ui/choixniveau.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/reseaux.h"
#include "dialogs/ui/liste_selection.h"

namespace {

QString Texte(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

Choixniveau::Choixniveau(PlotModel& modele, QWidget* parent)
    : QWidget(parent, Qt::Window), modele_(modele) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Texte(kTitreChoixniveau));
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(new QLabel(Texte(kLegendeChoixniveau), this));
  Listniveau = new QListWidget(this);
  colonne->addWidget(Listniveau, 1);
  Accepte = new QPushButton("Accepte", this);
  colonne->addWidget(Accepte);
  connect(Accepte, &QPushButton::clicked, this, &Choixniveau::Accepte_Click);
}

Choixniveau::~Choixniveau() {
  // The children go after this object: none may call back into it.
  for (QObject* enfant : findChildren<QObject*>()) enfant->disconnect(this);
}

void Choixniveau::Form_Load() {
  ChargeChoixNiveau(modele_);
  Listniveau->clear();
  for (const std::string& nom : ListeReseaux(modele_)) Listniveau->addItem(Texte(nom));
}

void Choixniveau::Accepte_Click() {
  AccepteChoixNiveau(modele_, LigneChoisie(*Listniveau));
  if (modele_.ReseauDoc >= 1) emit documente(modele_.ReseauDoc);
  close();
}
