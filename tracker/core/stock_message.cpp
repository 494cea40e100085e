#include "tracker/core/stock_message.h"

#include <QCoreApplication>
#include <QStringList>

namespace qm {

namespace {

// Paragraphs as the message has always had them: the title, then an empty line, the main
// sentence and its explanation, and the closing question after another empty line. Blanks at
// the start of a line are part of the text (the indented list of message 1).
QString composeText(const QString &title, const QStringList &main, const QStringList &details,
    const QStringList &question)
{
    QString text = title + QStringLiteral("\n\n") + (main + details).join(u'\n');
    if (!question.isEmpty())
        text += QStringLiteral("\n\n") + question.join(u'\n');
    return text;
}

} // namespace

std::optional<StockMessage> stockMessage(StockMessage::Code code)
{
    using Icon = StockMessage::Icon;
    using Code = StockMessage::Code;
    switch (code) {
    case Code::Recovery:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Abandonner"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Récuperer"),
            .offersSuppression = true,
            // Closing the window must not throw the interrupted day away.
            .closeAnswer = true,
            .text = composeText(QCoreApplication::translate("qm::StockMessage", "ATTENTION"),
                { QCoreApplication::translate("qm::StockMessage",
                    "Quillmere a trouvé des données non sauvegardées dans le log.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Ces données proviennent d'une exécution précédente "
                      "interrompue :"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "   - par accident (plantage système par exemple)"),
                    QCoreApplication::translate("qm::StockMessage",
                        "   - volontairement (commande « Quitter sans "
                        "sauvegarder »)") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Faut-il démarrer Quillmere en reprenant ces données,"),
                    QCoreApplication::translate("qm::StockMessage", "ou les abandonner ?") }) };
    case Code::JournalRowsShown:
        return StockMessage { .code = code,
            .icon = Icon::Warning,
            .leftCaption = QString(),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Continuer"),
            .offersSuppression = true,
            .closeAnswer = true,
            .text = composeText(QCoreApplication::translate("qm::StockMessage", "ATTENTION"),
                { QCoreApplication::translate("qm::StockMessage",
                    "Quillmere a trouvé des données dans le log pour la date choisie.") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Il les reprend dans l'historique de la journée,"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "mais elles ne seront pas éditables.") },
                {}) };
    case Code::QuitWithoutSaving:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Ne pas quitter"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Quitter"),
            .offersSuppression = true,
            .closeAnswer = false,
            .text = composeText(
                QCoreApplication::translate("qm::StockMessage", "Quitter sans sauvegarder"),
                { QCoreApplication::translate("qm::StockMessage",
                    "Les données de la journée ne seront pas enregistrées dans le "
                    "log.") },
                { QCoreApplication::translate("qm::StockMessage",
                    "Lors de sa prochaine exécution, Quillmere vous proposera de "
                    "les récupérer.") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Voulez-vous réellement quitter sans sauvegarder"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "ou retourner dans Quillmere ?") }) };
    case Code::CloseDay:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Ne pas clôturer"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Clôturer"),
            .offersSuppression = true,
            .closeAnswer = false,
            .text
            = composeText(QCoreApplication::translate("qm::StockMessage", "Clôturer la journée"),
                { QCoreApplication::translate(
                      "qm::StockMessage", "Les données de cette journée seront définitivement"),
                    QCoreApplication::translate("qm::StockMessage", "enregistrées dans le log.") },
                { QCoreApplication::translate("qm::StockMessage",
                    "Elles ne se corrigeront plus que dans la fenêtre Journal.") },
                { QCoreApplication::translate(
                      "qm::StockMessage", "Voulez-vous réellement clôturer la journée"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "ou retourner dans Quillmere ?") }) };
    case Code::NoJournal:
        return StockMessage { .code = code,
            .icon = Icon::Warning,
            .leftCaption = QString(),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Fermer"),
            .offersSuppression = true,
            .closeAnswer = true,
            .text = composeText(
                QCoreApplication::translate("qm::StockMessage", "Pas de fichier log présent"),
                { QCoreApplication::translate(
                    "qm::StockMessage", "Le module de statistiques ne peut être lancé.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Sans fichier log présent, le module de statistiques n'a pas la"),
                    QCoreApplication::translate(
                        "qm::StockMessage", "matière première pour travailler.") },
                {}) };
    case Code::NewDay:
        return StockMessage { .code = code,
            .icon = Icon::Question,
            .leftCaption = QCoreApplication::translate("qm::StockMessage", "Ne pas enregistrer"),
            .rightCaption = QCoreApplication::translate("qm::StockMessage", "Enregistrer"),
            .offersSuppression = false,
            .closeAnswer = false,
            .text = composeText(QCoreApplication::translate("qm::StockMessage", "ATTENTION"),
                { QCoreApplication::translate("qm::StockMessage",
                    "La dernière activité saisie entraîne un changement de "
                    "journée.") },
                { QCoreApplication::translate("qm::StockMessage",
                      "Il est nécessaire de sauvegarder la journée terminée dans le "
                      "log pour"),
                    QCoreApplication::translate("qm::StockMessage",
                        "continuer les saisies d'information sur la nouvelle journée."),
                    QCoreApplication::translate("qm::StockMessage",
                        "À défaut, vous ne pourrez plus continuer les saisies "
                        "d'information.") },
                { QCoreApplication::translate(
                    "qm::StockMessage", "Voulez-vous enregistrer le log maintenant ?") }) };
    }
    return std::nullopt;
}

} // namespace qm
