-- Step Up and Step Down as commands: the place the caret would reach, from the cursor.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

local function step(command, line)
  vim.api.nvim_win_set_cursor(0, { line, 0 })
  local params = { command = command, arguments = { vim.lsp.util.make_position_params() } }
  local location = c.request('workspace/executeCommand', params)
  c.check(type(location) == 'table' and location.uri, '%s from line %d: %s', command, line,
    vim.inspect(location))
  c.equal(vim.uri_to_fname(location.uri), vim.api.nvim_buf_get_name(0), command .. ' file')
  return location.range.start.line + 1
end

c.run(function()
  c.start(c.workspace('examples'))
  c.open('src/shape.cpp')
  local constructor = c.go('Shape::Shape(')
  local destructor = c.go('Shape::~Shape()')
  local describe = c.go('std::string Shape::Describe() const')
  c.equal(step('zentrel.stepDown', destructor + 1), describe, 'down from the destructor\'s body')
  c.equal(step('zentrel.stepUp', destructor + 1), constructor + 1, 'up from the destructor\'s body')
end)
