-- Friend file both ways through textDocument/switchSourceHeader, and null where there is none;
-- the friend directories come from the session's initializationOptions, not the profile.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

c.run(function()
  local dir = c.workspace('examples')
  c.start(dir, {
    profile = dir .. '/empty.reg',
    init_options = { options = { Directories = '../include, ../src' } },
  })
  local function friend_of(path)
    c.open(path)
    local uri = c.request('textDocument/switchSourceHeader', { uri = vim.uri_from_bufnr(0) })
    return uri and vim.uri_to_fname(uri)
  end
  c.equal(friend_of('src/shape.cpp'), c.dir .. '/include/shape.h', 'friend of src/shape.cpp')
  c.equal(friend_of('include/shape.h'), c.dir .. '/src/shape.cpp', 'friend of include/shape.h')
  c.equal(friend_of('src/main.cpp'), nil, 'friend of src/main.cpp')
end)
