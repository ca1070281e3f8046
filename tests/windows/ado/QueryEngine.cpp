#include "ado/QueryEngine.h"

#include "ado/AdoError.h"

namespace adostandin {

namespace {

std::string withoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::size_t columnOf(const Table& table, const std::string& name) {
  const auto found = table.column(name);
  if (!found) throw errors::missingValue();
  return *found;
}

// The operand as a cell of the column's type.
Cell valueFor(const Column& column, const Operand& operand, const std::vector<std::string>& parameters,
              std::size_t& nextParameter) {
  switch (operand.kind) {
    case Operand::Kind::Integer:
      if (!column.integer) throw errors::typeMismatch();
      return operand.integer;
    case Operand::Kind::Text:
      if (column.integer) throw errors::typeMismatch();
      return operand.text;
    case Operand::Kind::Parameter:
      if (nextParameter >= parameters.size()) throw errors::missingValue();
      if (column.integer) throw errors::typeMismatch();
      return parameters[nextParameter++];
  }
  return {};
}

bool equal(const Cell& left, const Cell& right) {
  if (std::holds_alternative<int32_t>(left) && std::holds_alternative<int32_t>(right))
    return std::get<int32_t>(left) == std::get<int32_t>(right);
  if (std::holds_alternative<std::string>(left) && std::holds_alternative<std::string>(right))
    return sameName(withoutTrailingBlanks(std::get<std::string>(left)),
                    withoutTrailingBlanks(std::get<std::string>(right)));
  return false;  // NULL equals nothing
}

}  // namespace

Table openTable(DataSource& source, const std::string& name) {
  if (source.namesFiles() ? name.find('.') == std::string::npos : name.find('.') != std::string::npos)
    throw errors::unknownTable(name);
  return source.table(name);
}

Table runStatement(DataSource& source, const JetStatement& statement,
                   const std::vector<std::string>& parameters) {
  Table table = source.table(statement.table);
  const std::size_t column = columnOf(table, statement.column);
  std::size_t nextParameter = 0;
  Cell newValue;
  if (statement.kind == JetStatement::Kind::Update) {
    if (table.columns[column].integer) throw errors::typeMismatch();
    newValue = valueFor(table.columns[column], statement.newValue, parameters, nextParameter);
  }
  std::optional<std::size_t> whereColumn;
  Cell wanted;
  if (statement.where) {
    whereColumn = columnOf(table, statement.where->column);
    wanted = valueFor(table.columns[*whereColumn], statement.where->value, parameters, nextParameter);
  }
  if (nextParameter != parameters.size()) throw errors::wrongArguments();

  Table result{statement.table, {table.columns[column]}, {}, {}};
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    if (whereColumn && !equal(table.rows[row][*whereColumn], wanted)) continue;
    if (statement.kind == JetStatement::Kind::Update)
      source.setText(table, row, column, std::get<std::string>(newValue));
    else
      result.rows.push_back({table.rows[row][column]});
  }
  return result;
}

}  // namespace adostandin
